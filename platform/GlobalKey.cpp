#include "platform/GlobalKey.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace wb {
namespace {

constexpr std::uint32_t kNumLockKeysym = 0xff7f;
constexpr std::uint16_t kControlAlt = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
constexpr std::uint8_t kBadAccess = 10;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> reply(T* raw)
{
    return Reply<T>(raw, &std::free);
}

// The first keycode whose keysyms include `keysym`; 0 for none.
std::uint8_t keycodeOf(xcb_connection_t* connection, std::uint32_t keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto mapping = reply(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr));
    if (!mapping)
        return 0;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKeycode = mapping->keysyms_per_keycode;
    for (int code = 0; code < count; ++code)
        for (int column = 0; column < perKeycode; ++column)
            if (keysyms[code * perKeycode + column] == keysym)
                return std::uint8_t(setup->min_keycode + code);
    return 0;
}

// The modifier NumLock's key sets; 0 when no modifier has it.
std::uint16_t numLockMask(xcb_connection_t* connection)
{
    const std::uint8_t numLock = keycodeOf(connection, kNumLockKeysym);
    auto map = reply(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (!map || numLock == 0)
        return 0;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(map.get());
    const int perModifier = map->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int k = 0; k < perModifier; ++k)
            if (codes[modifier * perModifier + k] == numLock)
                return std::uint16_t(1u << modifier);
    return 0;
}

} // namespace

std::vector<std::uint16_t> grabMasks(std::uint16_t numLock)
{
    std::vector<std::uint16_t> masks;
    for (const std::uint16_t lock : {std::uint16_t(0), std::uint16_t(XCB_MOD_MASK_LOCK)})
        for (const std::uint16_t num : {std::uint16_t(0), numLock})
            masks.push_back(std::uint16_t(kControlAlt | lock | num));
    std::sort(masks.begin(), masks.end());
    masks.erase(std::unique(masks.begin(), masks.end()), masks.end());
    return masks;
}

GlobalKey::GlobalKey(std::uint32_t keysym, QObject* parent)
    : QObject(parent)
    , m_keysym(keysym)
{
}

QString GlobalKey::keyName() const
{
    return QStringLiteral("Ctrl+Alt+") + QChar(char16_t(m_keysym)).toUpper();
}

GlobalKey::~GlobalKey()
{
    ungrab();
}

QString GlobalKey::grab()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return QStringLiteral("the global key is grabbed only on X11");
    m_connection = x11->connection();
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    m_keycode = keycodeOf(m_connection, m_keysym);
    if (m_keycode == 0)
        return QStringLiteral("the keyboard has no key for %1").arg(keyName());
    for (const std::uint16_t mask : grabMasks(numLockMask(m_connection))) {
        auto error = reply(xcb_request_check(
            m_connection, xcb_grab_key_checked(m_connection, 1, m_root, mask, m_keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
        if (error) {
            ungrab();
            return error->error_code == kBadAccess
                       ? QStringLiteral("%1 is taken by another program").arg(keyName())
                       : QStringLiteral("%1 cannot be grabbed (X11 error %2)")
                             .arg(keyName())
                             .arg(error->error_code);
        }
        m_grabbed.push_back(mask);
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    return {};
}

void GlobalKey::ungrab()
{
    if (!m_connection)
        return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    for (const std::uint16_t mask : m_grabbed)
        xcb_ungrab_key(m_connection, m_keycode, m_root, mask);
    xcb_flush(m_connection);
    m_grabbed.clear();
}

bool GlobalKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    if (key->detail != m_keycode || key->event != m_root)
        return false;
    emit pressed(key->time);
    return true;
}

} // namespace wb

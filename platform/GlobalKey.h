#pragma once
// A key that reaches the program whatever window has the focus, on an X11 display
// without a shortcut service of the desktop's: the key is grabbed on the root window
// while this object lives, once for each state of NumLock and CapsLock (X11 compares
// them as modifiers too), and given back when it goes. It does nothing on Wayland,
// where only the desktop may bind global keys.
#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

struct xcb_connection_t;

namespace wb {

class GlobalKey : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    // Ctrl+Alt and the key of `keysym` (an X11 keysym, such as 0x77 for "w").
    explicit GlobalKey(std::uint32_t keysym, QObject* parent = nullptr);
    ~GlobalKey() override;

    // Grabs the key on the application's X11 display. On failure it returns why, for
    // the user ("Ctrl+Alt+W is taken by another program"), and nothing is grabbed.
    QString grab();
    bool isGrabbed() const { return !m_grabbed.empty(); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // "Ctrl+Alt+W"; the keysym is taken as a Latin-1 letter.
    QString keyName() const;

signals:
    // `time` is the X server's time of the press, which a window manager asks of a
    // window that wants the focus.
    void pressed(quint32 time);

private:
    void ungrab();

    std::uint32_t m_keysym;
    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    std::uint8_t m_keycode = 0;
    std::vector<std::uint16_t> m_grabbed; // the modifier masks grabbed
};

// The modifier masks a grab of Ctrl+Alt needs: with and without CapsLock (Lock) and
// NumLock (whose mask the keyboard's modifier map gives; 0 when it has none).
std::vector<std::uint16_t> grabMasks(std::uint16_t numLockMask);

} // namespace wb

// TRxLabel as a form definition sets it up: each stored value through the setter of
// its property, in the order given, so every caption and font value re-fits at once.
#include "widgets/RXCtrls.h"

#include <stdexcept>
#include <string>

namespace {

[[noreturn]] void invalid(std::string_view property, const char* what)
{
    throw std::invalid_argument("TRxLabel." + std::string(property) + ": " + what);
}

template <typename T> T valueAs(const StoredProperty& property)
{
    if (const T* value = std::get_if<T>(&property.value))
        return *value;
    invalid(property.name, "value of the wrong type");
}

template <typename Change> void changeFont(TRxLabel& label, Change change)
{
    QFont font = label.font();
    change(font);
    font.setResolveMask(QFont::AllPropertiesResolved); // a font of its own, as a whole
    label.setFont(font);
}

using Apply = void (*)(TRxLabel&, const StoredProperty&);

struct PropertyReader {
    std::string_view name;
    Apply apply;
};

constexpr PropertyReader kReaders[] = {
    {"Left", [](TRxLabel& l, const StoredProperty& p) { l.move(valueAs<int>(p), l.y()); }},
    {"Top", [](TRxLabel& l, const StoredProperty& p) { l.move(l.x(), valueAs<int>(p)); }},
    {"Width", [](TRxLabel& l, const StoredProperty& p) { l.resize(valueAs<int>(p), l.height()); }},
    {"Height", [](TRxLabel& l, const StoredProperty& p) { l.resize(l.width(), valueAs<int>(p)); }},
    {"Caption", [](TRxLabel& l, const StoredProperty& p) { l.setCaption(valueAs<QString>(p)); }},
    {"Font.Name",
     [](TRxLabel& l, const StoredProperty& p) {
         changeFont(l, [&](QFont& f) { f.setFamilies({valueAs<QString>(p)}); });
     }},
    {"Font.Height", // the character height in pixels
     [](TRxLabel& l, const StoredProperty& p) {
         changeFont(l, [&](QFont& f) { f.setPixelSize(valueAs<int>(p)); });
     }},
    {"Font.Bold",
     [](TRxLabel& l, const StoredProperty& p) {
         changeFont(l, [&](QFont& f) { f.setBold(valueAs<bool>(p)); });
     }},
    {"Font.Italic",
     [](TRxLabel& l, const StoredProperty& p) {
         changeFont(l, [&](QFont& f) { f.setItalic(valueAs<bool>(p)); });
     }},
    {"Font.Color",
     [](TRxLabel& l, const StoredProperty& p) { l.setFontColor(valueAs<TColor>(p)); }},
    {"ParentFont", [](TRxLabel& l, const StoredProperty& p) { l.setParentFont(valueAs<bool>(p)); }},
    {"Color", [](TRxLabel& l, const StoredProperty& p) { l.setColor(valueAs<TColor>(p)); }},
    {"ParentColor",
     [](TRxLabel& l, const StoredProperty& p) { l.setParentColor(valueAs<bool>(p)); }},
    {"Alignment",
     [](TRxLabel& l, const StoredProperty& p) { l.setAlignment(valueAs<TAlignment>(p)); }},
    {"AutoSize", [](TRxLabel& l, const StoredProperty& p) { l.setAutoSize(valueAs<bool>(p)); }},
    {"Layout", [](TRxLabel& l, const StoredProperty& p) { l.setLayout(valueAs<TTextLayout>(p)); }},
    {"ShadowColor",
     [](TRxLabel& l, const StoredProperty& p) { l.setShadowColor(valueAs<TColor>(p)); }},
    {"ShadowSize",
     [](TRxLabel& l, const StoredProperty& p) {
         const int size = valueAs<int>(p);
         if (size < 0 || size > 255)
             invalid(p.name, "outside 0 to 255");
         l.setShadowSize(size);
     }},
    {"ShadowPos",
     [](TRxLabel& l, const StoredProperty& p) { l.setShadowPos(valueAs<TShadowPosition>(p)); }},
    {"ShowAccelChar",
     [](TRxLabel& l, const StoredProperty& p) { l.setShowAccelChar(valueAs<bool>(p)); }},
    {"ShowFocus", [](TRxLabel& l, const StoredProperty& p) { l.setShowFocus(valueAs<bool>(p)); }},
    {"Transparent",
     [](TRxLabel& l, const StoredProperty& p) { l.setTransparent(valueAs<bool>(p)); }},
    {"WordWrap", [](TRxLabel& l, const StoredProperty& p) { l.setWordWrap(valueAs<bool>(p)); }},
    {"Enabled", [](TRxLabel& l, const StoredProperty& p) { l.setEnabled(valueAs<bool>(p)); }},
    {"Visible", [](TRxLabel& l, const StoredProperty& p) { l.setVisible(valueAs<bool>(p)); }},
    {"FocusControl",
     [](TRxLabel& l, const StoredProperty& p) {
         const QString name = valueAs<QString>(p);
         auto* control = l.window()->findChild<QWidget*>(name);
         if (!control || control == &l)
             invalid(p.name, "no such control in the label's window");
         l.setFocusControl(control);
     }},
};

} // namespace

void TRxLabel::applyStoredValue(const StoredProperty& property)
{
    for (const PropertyReader& reader : kReaders)
        if (reader.name == property.name) {
            reader.apply(*this, property);
            return;
        }
    invalid(property.name, "no such property");
}

void TRxLabel::applyStoredValues(const std::vector<StoredProperty>& values)
{
    for (const StoredProperty& property : values)
        applyStoredValue(property);
}

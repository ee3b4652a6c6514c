// The window builder on small tables of its own: lookups that fail loudly, labels
// measured in the font they end up with, pages that join their page control.
#include "ui/FormBuilder.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace wb {
namespace {

using form::Face;
using form::Kind;

// The message must say what was looked up and as what, or a typo in a window's
// binding is a hunt.
std::string lookupFailure(const std::function<void()>& lookup)
{
    try {
        lookup();
    } catch (const ControlLookupError& error) {
        return error.what();
    }
    return "no error";
}

TEST(FormBuilderLookup, FindsAControlAsItsKindAndNamesNameAndKindOtherwise)
{
    QWidget form;
    FormBuilder builder(form);
    builder.create({{.name = "Panel1", .kind = Kind::Panel, .geometry = {1, 2, 30, 40}}});

    EXPECT_EQ(builder.control<TPanel>("Panel1").geometry(), QRect(1, 2, 30, 40));
    EXPECT_EQ(&builder.control<QWidget>("Panel1"), &builder.widget("Panel1"));

    const std::string wrongKind = lookupFailure([&] { builder.control<QLabel>("Panel1"); });
    EXPECT_NE(wrongKind.find("Panel1"), std::string::npos) << wrongKind;
    EXPECT_NE(wrongKind.find("QLabel"), std::string::npos) << wrongKind;
    const std::string unknown = lookupFailure([&] { builder.control<TPanel>("Panel9"); });
    EXPECT_NE(unknown.find("Panel9"), std::string::npos) << unknown;
}

TEST(FormBuilderLookup, AChildBeforeItsParentIsRefused)
{
    QWidget form;
    FormBuilder builder(form);
    EXPECT_THROW(builder.create({{.name = "Label1", .kind = Kind::Label, .parent = "Panel1"}}),
                 ControlLookupError);
}

// A label without a size fits its caption in the font it has on its window, not in the
// application's font it had before it joined the window.
TEST(FormBuilderPlacement, FittedLabelsAreMeasuredInTheirWindowsFontOrTheirOwn)
{
    QWidget form;
    QFont large = form.font();
    large.setPixelSize(40); // far from any application font
    form.setFont(large);
    FormBuilder builder(form);
    builder.create({
        {.name = "Plain", .kind = Kind::Label, .geometry = {8, 8, 0, 0}, .caption = "Suchtext;"},
        {.name = "Bold",
         .kind = Kind::Label,
         .geometry = {8, 80, 0, 0},
         .font = Face::Bold,
         .caption = "Suchtext;"},
        {.name = "Wrapped",
         .kind = Kind::Label,
         .geometry = {8, 160, 50, 60},
         .caption = "Suchtext; Suchtext;",
         .wordWrap = true},
    });

    for (const char* name : {"Plain", "Bold"}) {
        const auto& label = builder.control<QLabel>(name);
        EXPECT_EQ(label.size(), label.sizeHint()) << name;
        EXPECT_GE(label.width(), QFontMetrics(label.font()).horizontalAdvance("Suchtext;")) << name;
    }
    EXPECT_EQ(builder.control<QLabel>("Plain").font().pixelSize(), large.pixelSize());
    EXPECT_EQ(builder.control<QLabel>("Wrapped").geometry(), QRect(8, 160, 50, 60));
}

TEST(FormBuilderPlacement, PagesJoinTheirPageControlInTableOrder)
{
    QWidget form;
    FormBuilder builder(form);
    builder.create({
        {.name = "Pages", .kind = Kind::PageControl, .pictures = {":/art/tab-english.bmp"}},
        {.name = "One", .kind = Kind::Page, .parent = "Pages", .caption = "Eins"},
        {.name = "Two", .kind = Kind::Page, .parent = "Pages", .caption = "Zwei", .imageIndex = 0},
    });
    auto& pages = builder.control<TPageControl>("Pages");
    ASSERT_EQ(pages.count(), 2);
    EXPECT_EQ(pages.widget(0), &builder.widget("One"));
    EXPECT_EQ(pages.tabText(1), "Zwei");
    EXPECT_TRUE(pages.tabIcon(0).isNull());
    EXPECT_FALSE(pages.tabIcon(1).isNull());
}

} // namespace
} // namespace wb

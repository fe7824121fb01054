// The radio buttons and their captions stay readable on a dark desktop, measured on the pixels drawn.
#include "main/layout/ReadableIndicators.h"

#include "RowNames.h"
#include "main/layout/WindowLook.h"

#include <QApplication>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <optional>

namespace {

using rownames::PrintTo;

TEST(ContrastTest, FollowsTheAccessibilityGuidelinesFormula) {
    const struct {
        const char* name;
        QColor a;
        QColor b;
        double contrast;
    } rows[] = {
        {"black on white", Qt::black, Qt::white, 21.0},
        {"the same colour", QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35), 1.0},
        {"either order", Qt::white, Qt::black, 21.0},
        {"grey 77 on white", QColor(0x77, 0x77, 0x77), Qt::white, 4.48},
        {"pure red on black", Qt::red, Qt::black, 5.25},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(layout::Contrast(row.a, row.b), row.contrast, 0.01) << row.name;
}

QPalette Palette(QColor window, QColor text, QColor base, QColor button) {
    QPalette palette(button, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Button, button);
    return palette;
}

struct PaletteRow {
    const char* label;
    // No palette: the one the desktop gives (QT_QPA_PLATFORMTHEME, GTK_THEME), which this row reports.
    std::optional<QPalette> palette;
};

struct Measured {
    double indicator = 0;
    double text = 0;
};

// A window with the program's look in the palette given, holding one unchecked radio button drawn in the
// style given at (10, 10).
struct RadioOnWindow {
    RadioOnWindow(const QPalette& palette, QStyle* style)
        : button(new QRadioButton(QStringLiteral("Part Replacer"), &window)) {
        window.setPalette(palette);
        layout::ApplyWindowLook(&window);
        window.resize(160, 40);
        button->setStyle(style);
        button->setGeometry(10, 10, 113, 17);
        window.show();
    }
    QWidget window;
    QRadioButton* button;
};

// The radio button grabbed; the most contrast any pixel of its indicator and of its caption has against the
// window behind them.
Measured Measure(const QPalette& palette, QStyle* style) {
    RadioOnWindow shown(palette, style);
    QRadioButton* button = shown.button;
    const QImage picture = shown.window.grab().toImage();
    const QColor behind = picture.pixelColor(150, 2);

    QStyleOptionButton option;
    option.initFrom(button);
    const auto most = [&](QRect area) {
        double best = 1.0;
        area = area.translated(button->pos()).intersected(picture.rect());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                best = std::max(best, layout::Contrast(picture.pixelColor(x, y), behind));
        return best;
    };
    return {most(style->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button)),
            most(style->subElementRect(QStyle::SE_RadioButtonContents, &option, button))};
}

class DarkPaletteTest : public testing::TestWithParam<PaletteRow> {};

TEST_P(DarkPaletteTest, EmptyIndicatorAndCaptionStandOutFromTheWindow) {
    const QPalette palette = GetParam().palette.value_or(QApplication::palette());
    layout::ReadableIndicatorStyle style;
    const Measured seen = Measure(palette, &style);
    const Measured before = Measure(palette, QApplication::style());
    std::cout << GetParam().label << ": indicator " << seen.indicator << ":1 (the toolkit's alone "
              << before.indicator << ":1), caption " << seen.text << ":1\n";
    if (!layout::IsDark(palette))
        GTEST_SKIP() << "the desktop's palette is light";
    EXPECT_GE(seen.indicator, 3.0);
    EXPECT_GE(seen.text, 4.5);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Palettes, DarkPaletteTest,
    testing::Values(
        // The colours of GTK's Adwaita dark theme, and of two more dark desktops.
        PaletteRow{"AdwaitaDark", Palette("#353535", "#eeeeec", "#2d2d2d", "#373737")},
        PaletteRow{"BreezeDark", Palette("#202326", "#fcfcfc", "#141618", "#292c30")},
        PaletteRow{"DimGrey", Palette("#4a4a4a", "#d0d0d0", "#404040", "#505050")},
        PaletteRow{"Desktop", std::nullopt}),
    rownames::RowLabel());
// clang-format on

// On a light palette the ring is not drawn: the window keeps its look to the pixel.
TEST(LightPaletteTest, DrawsTheIndicatorAsTheToolkitDoes) {
    const QPalette light = Palette("#efefef", "#000000", "#ffffff", "#efefef");
    ASSERT_FALSE(layout::IsDark(light));
    const auto grab = [&](QStyle* style) { return RadioOnWindow(light, style).window.grab().toImage(); };
    layout::ReadableIndicatorStyle readable;
    EXPECT_EQ(grab(&readable), grab(QApplication::style()));
}

} // namespace

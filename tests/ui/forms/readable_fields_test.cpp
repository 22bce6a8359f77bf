#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ui/forms/face_colours.h"
#include "ui/forms/text_fitting.h"

namespace sumora::ui {
namespace {

// Every character, the ellipsis included, is as wide as the point size.
double monospace(std::string_view text, double pointSize) {
    double characters = 0;
    for (const char byte : text) {
        characters += (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U ? 1 : 0;
    }
    return characters * pointSize;
}

TEST(TextFittingTest, ShrinksToTheLargestStepThatFitsThenElidesAtTheFloor) {
    const struct Case {
        std::string_view name, text;
        double available;
        FittedText want;
    } cases[] = {
        {"fits exactly", "1234", 48, {12, "1234"}},
        {"one step smaller", "1234", 47, {11.75, "1234"}},
        {"between steps", "12345", 51, {10.0, "12345"}},
        {"just fits at the floor", "1234567", 49, {7, "1234567"}},
        {"elided to the last part", "12345678", 49, {7, "\u2026345678"}},
        {"a character is never split", "1\u00e923\u00e94\u00e95", 35, {7, "\u2026\u00e94\u00e95"}},
        {"no room even for the ellipsis", "12", 1, {7, "\u2026"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fitText(c.text, 12, 7, c.available, monospace), c.want);
    }
}

TEST(ContrastTest, DisabledCaptionsAreReadableOnTheirFaces) {
    EXPECT_DOUBLE_EQ(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio({118, 118, 118}, {118, 118, 118}), 1.0);
    // The grey most often quoted as the lightest that passes on white: 4.54 by the same formula.
    EXPECT_NEAR(contrastRatio({118, 118, 118}, {255, 255, 255}), 4.54, 0.01);
    for (const Face face : {Face::pureRed, Face::pureGreen}) {
        const FaceColours colours = faceColours(face).value();
        EXPECT_GE(contrastRatio(colours.face, colours.disabledCaption), minimumTextContrast);
    }
}

}  // namespace
}  // namespace sumora::ui

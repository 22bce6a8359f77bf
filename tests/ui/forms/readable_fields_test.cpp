#include <gtest/gtest.h>

#include <algorithm>

#include "ui/forms/colour.h"
#include "ui/forms/text_fitting.h"

namespace sumora::forms {
namespace {

// Every character, the ellipsis included, is as wide as the point size.
double monospace(std::string_view text, double pointSize) {
    return pointSize * static_cast<double>(std::count_if(text.begin(), text.end(), [](char byte) {
               return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
           }));
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

TEST(ContrastTest, MatchesTheGuidelinesFormula) {
    EXPECT_DOUBLE_EQ(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0);
    // The grey most often quoted as the lightest that passes on white.
    EXPECT_NEAR(contrastRatio({118, 118, 118}, {255, 255, 255}), 4.54, 0.01);
}

}  // namespace
}  // namespace sumora::forms

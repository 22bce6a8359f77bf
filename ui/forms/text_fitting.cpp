#include "ui/forms/text_fitting.h"

#include <algorithm>
#include <vector>

namespace sumora::forms {

namespace {

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

// The ellipsis and the longest last part of `text` that fit; the ellipsis alone when no part does.
std::string elidedTail(std::string_view text, double pointSize, double availableWidth,
                       const MeasureText& measure) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (startsCharacter(text[i])) {
            starts.push_back(i);
        }
    }
    starts.push_back(text.size());
    const auto tail = [&](std::size_t start) {
        return std::string(ellipsis) + std::string(text.substr(start));
    };
    // A later start leaves a shorter tail, so the tails that fit are those from some start on.
    const auto first = std::partition_point(starts.begin(), starts.end(), [&](std::size_t start) {
        return measure(tail(start), pointSize) > availableWidth;
    });
    return tail(first != starts.end() ? *first : text.size());
}

}  // namespace

FittedText fitText(std::string_view text, double pointSize, double floorPointSize,
                   double availableWidth, const MeasureText& measure) {
    floorPointSize = std::min(floorPointSize, pointSize);
    const auto fits = [&](double size) { return measure(text, size) <= availableWidth; };
    if (fits(pointSize)) {
        return {pointSize, std::string(text)};
    }
    for (double size = pointSize - fittingStepPoints; size > floorPointSize;
         size -= fittingStepPoints) {
        if (fits(size)) {
            return {size, std::string(text)};
        }
    }
    if (fits(floorPointSize)) {
        return {floorPointSize, std::string(text)};
    }
    return {floorPointSize, elidedTail(text, floorPointSize, availableWidth, measure)};
}

}  // namespace sumora::forms

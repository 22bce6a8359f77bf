#include <vector>

#include "engine/calculator.h"

namespace sumora {

Calculator::LabelTexts Calculator::labelTexts() const {
    return {view_.text(Label::lblDisp), view_.text(Label::lblOp), view_.text(Label::lblMem)};
}

void Calculator::announceChanges(Key key, const LabelTexts& before) {
    const LabelTexts after = labelTexts();
    const auto changed = [&](Label label) {
        const auto index = static_cast<std::size_t>(label);
        return !after[index].empty() && after[index] != before[index];
    };
    const std::string& display = after[static_cast<std::size_t>(Label::lblDisp)];
    const std::string& operation = after[static_cast<std::size_t>(Label::lblOp)];
    std::vector<Label> news;
    // A digit or the point that lands at the end of the display was just spoken as the key's
    // name; anything else there (a result, a message, a recalled value) is news.
    const bool typed =
        (isDigitKey(key) || key == Key::cmdPt) && display.ends_with(view_.caption(key));
    if (changed(Label::lblDisp) && !typed) {
        news.push_back(Label::lblDisp);
    }
    // The operator field is news when an operator key put its caption there; the "=" and "E"
    // marks say nothing that the result or the message does not.
    if (changed(Label::lblOp) && isOperatorKey(key) && operation == view_.caption(key)) {
        news.push_back(Label::lblOp);
    }
    if (changed(Label::lblMem)) {
        news.push_back(Label::lblMem);
    }
    if (!news.empty()) {
        view_.announce(news);
    }
}

}  // namespace sumora

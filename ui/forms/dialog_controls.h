#pragma once

// The controls of the About and Bugs Fix dialogs as data. One loop builds each dialog from its
// table and the layout tests walk the same tables. Positions and sizes are in twips (15 to a
// logical pixel) from the top-left corner of the container's client area; the tables list the
// controls in tab order, containers before what they contain.

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "ui/forms/commands.h"
#include "ui/forms/layout_units.h"
#include "ui/forms/version_caption.h"

namespace sumora::forms {

enum class Kind {
    picture,  // shows its picture from its top-left corner, clipped
    button,
    label,
    link,  // a label that reports clicks
    line,  // a horizontal rule `w` long; `h` is 0
};

enum class Border {
    none,
    sunken,  // 2 pixels on every side
    single,  // 1 pixel
};

// The pictures of the dialogs; each front end maps them to its own resources.
enum class Picture { none, emblem, banner };

struct Control {
    std::string_view objectName;
    Kind kind;
    std::string_view container;  // "" for the window itself
    std::string_view text;       // the caption; "" for a picture or a line
    FontFace font;
    int x, y, w, h;
    int tabIndex;  // -1 for a line, which has none
    Border border;
    bool centred;  // text centred, else from the top-left corner
    std::optional<DialogCommand> command = std::nullopt;  // of a button or a link
    Picture picture = Picture::none;
};

struct WindowAttributes {
    std::string_view objectName;
    std::string_view caption;
    int clientWidth, clientHeight;
    bool sizable;
    FontFace font;
};

inline constexpr FontFace arial9{"Arial", 9.0, false};
inline constexpr FontFace buttonFont{"MS Sans Serif", 8.25, false};

inline constexpr WindowAttributes aboutWindow{"frmAbout", "About", 5115, 2490, false, arial9};

// The e-mail label's caption is made from the author's address (about_actions.h).
inline constexpr std::array<Control, 8> aboutControls{{
    {"Picture1", Kind::picture, "", "", arial9, 120, 120, 840, 720, 0, Border::sunken, false,
     std::nullopt, Picture::emblem},
    {"Label1",
     Kind::label,
     "",
     versionCaption,
     {"Arial", 9.0, true},
     990,
     120,
     1275,
     225,
     1,
     Border::none,
     true},
    {"Label2", Kind::label, "", "Email all questions, comments etc. to: ", arial9, 150, 900, 3195,
     225, 2, Border::none, true},
    {"Label3", Kind::label, "", "Created by: Ah Kiat???   Created on: 29/09/2000", arial9, 975, 480,
     4065, 225, 3, Border::none, true},
    {"Picture2", Kind::picture, "", "", arial9, 120, 1440, 4935, 968, 4, Border::none, false,
     std::nullopt, Picture::banner},
    {"Command1", Kind::button, "Picture2", "&OK", buttonFont, 2280, 600, 1215, 375, 5, Border::none,
     true, DialogCommand::ok},
    {"Command2", Kind::button, "Picture2", "&System Info", buttonFont, 3720, 600, 1215, 375, 6,
     Border::none, true, DialogCommand::systemInfo},
    {"lblemail",
     Kind::link,
     "",
     "",
     {"Arial", 9.75, true},
     120,
     1200,
     4935,
     255,
     7,
     Border::none,
     true,
     DialogCommand::emailLink},
}};

inline constexpr WindowAttributes bugsWindow{"frmBugs", "Bugs Fix and Report", 7245, 6510, true,
                                             arial9};

inline constexpr std::array<Control, 3> bugsControls{{
    {"cmdOK",
     Kind::button,
     "",
     "&OK",
     {"Arial", 9.75, true},
     6000,
     6120,
     1215,
     405,
     0,
     Border::none,
     true,
     DialogCommand::ok},
    {"lblBugs",
     Kind::label,
     "",
     "Please forward any error or bug to me",
     {"Arial", 12.0, false},
     120,
     120,
     6975,
     5655,
     1,
     Border::single,
     false},
    {"Line1", Kind::line, "", "", arial9, 0, 5880, 7200, 0, -1, Border::none, false},
}};

// The builder creates the controls in table order, which makes the focus chain; a line has no tab
// index.
constexpr bool listedInTabOrder(std::span<const forms::Control> controls) {
    int last = -1;
    for (const Control& control : controls) {
        if (control.tabIndex >= 0 && control.tabIndex <= last) {
            return false;
        }
        last = std::max(last, control.tabIndex);
    }
    return true;
}
static_assert(listedInTabOrder(aboutControls) && listedInTabOrder(bugsControls),
              "dialog controls must be listed in tab order");

}  // namespace sumora::forms

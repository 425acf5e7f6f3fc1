#pragma once

#include <optional>
#include <string>
#include <string_view>

// The names the program asks for its pictures by ("\gmltop.bmp", "\fordrzmc.bmp",
// "\hlp2.bmp"...), read into a typed key that says what to draw. A name is compared without
// regard to case; the leading backslash may be left out.
namespace velmora {

enum class CarLook { GM, Ford, Formula };
enum class PictureAxis { X, Y, Z };
// The point group of a wizard screen or a side-panel button; Table is the XYZ button.
enum class PictureGroup { Top, Bottom, Misc, Table };

enum class PictureKind {
    Wizard,    // one screen of the dimension wizard: group, axis, side, style
    SidePanel, // a side-panel button: group, side (none for the tie rod), style, greyed
    Guide      // a screen of the measuring guide: 1..3
};

struct PictureKey {
    PictureKind kind = PictureKind::Wizard;
    CarLook look = CarLook::GM;
    PictureGroup group = PictureGroup::Top;
    PictureAxis axis = PictureAxis::X;
    // The side shown; the tie-rod buttons serve both sides and show the left one.
    bool right = false;
    // The inactive side's button ("dis" in the name): the same drawing, greyed.
    bool greyed = false;
    int guideScreen = 0;
    // The name as the program spells it, with its backslash, in lower case.
    std::string name;
};

// The look of a car style as the project names it ("GM", "Ford", "formula"); nothing for
// another.
std::optional<CarLook> carLookOf(std::string_view carStyle);

// The key of a picture name, or nothing for a name the program never asks for.
std::optional<PictureKey> parsePictureName(std::string_view name);

// The wizard's name for a screen: a backslash, "gm", "ford" or "2000", "l" or "r", the axis
// letter, "up", "dn" or "mc", ".bmp" ("\gmlxup.bmp", "\2000rzmc.bmp"). Nothing for a car style
// other than "GM", "Ford" and "formula", or for the table group.
std::optional<std::string> wizardPictureName(std::string_view carStyle, bool right,
                                             PictureAxis axis, PictureGroup group);

// The guide's picture of screen 1..3: "\hlp1.bmp".."\hlp3.bmp".
std::string guidePictureName(int screen);

// The name without its backslash and extension, in lower case ("gmltop"): what a file in
// the picture folder must be called, apart from its extension, to replace the picture.
std::string pictureStem(std::string_view name);

} // namespace velmora

#include "pictures/picture_key.h"

#include "pictures/side_panel_pictures.h"

#include <array>
#include <cctype>

namespace velmora {
namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool consume(std::string_view& text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

std::optional<PictureKey> parseWizardStem(std::string_view stem) {
    PictureKey key;
    key.kind = PictureKind::Wizard;
    if (consume(stem, "gm")) {
        key.look = CarLook::GM;
    } else if (consume(stem, "ford")) {
        key.look = CarLook::Ford;
    } else if (consume(stem, "2000")) {
        key.look = CarLook::Formula;
    } else {
        return std::nullopt;
    }
    if (stem.size() != 4) {
        return std::nullopt;
    }
    if (stem[0] != 'l' && stem[0] != 'r') {
        return std::nullopt;
    }
    key.right = stem[0] == 'r';
    switch (stem[1]) {
    case 'x':
        key.axis = PictureAxis::X;
        break;
    case 'y':
        key.axis = PictureAxis::Y;
        break;
    case 'z':
        key.axis = PictureAxis::Z;
        break;
    default:
        return std::nullopt;
    }
    const std::string_view group = stem.substr(2);
    if (group == "up") {
        key.group = PictureGroup::Top;
    } else if (group == "dn") {
        key.group = PictureGroup::Bottom;
    } else if (group == "mc") {
        key.group = PictureGroup::Misc;
    } else {
        return std::nullopt;
    }
    return key;
}

} // namespace

std::string pictureStem(std::string_view name) {
    while (!name.empty() && (name.front() == '\\' || name.front() == '/')) {
        name.remove_prefix(1);
    }
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) {
        name = name.substr(0, dot);
    }
    return lower(name);
}

std::optional<PictureKey> parsePictureName(std::string_view name) {
    const std::string whole = lower(name);
    std::string_view rest = whole;
    while (!rest.empty() && rest.front() == '\\') {
        rest.remove_prefix(1);
    }
    if (rest.size() < 5 || rest.substr(rest.size() - 4) != ".bmp") {
        return std::nullopt;
    }
    const std::string_view stem = rest.substr(0, rest.size() - 4);

    std::optional<PictureKey> key;
    for (const PanelPictureName& panel : panelPictureNames()) {
        if (panel.stem == stem) {
            key = PictureKey{};
            key->kind = PictureKind::SidePanel;
            key->look = panel.look;
            key->group = panel.group;
            key->right = panel.right;
            key->greyed = panel.greyed;
        }
    }
    if (!key && stem.size() == 4 && stem.substr(0, 3) == "hlp" && stem[3] >= '1' &&
        stem[3] <= '3') {
        key = PictureKey{};
        key->kind = PictureKind::Guide;
        key->guideScreen = stem[3] - '0';
    }
    if (!key) {
        key = parseWizardStem(stem);
    }
    if (key) {
        key->name = "\\" + std::string(stem) + ".bmp";
    }
    return key;
}

std::optional<CarLook> carLookOf(std::string_view carStyle) {
    if (carStyle == "GM") {
        return CarLook::GM;
    }
    if (carStyle == "Ford") {
        return CarLook::Ford;
    }
    if (carStyle == "formula") {
        return CarLook::Formula;
    }
    return std::nullopt;
}

std::optional<std::string> wizardPictureName(std::string_view carStyle, bool right,
                                             PictureAxis axis, PictureGroup group) {
    const std::optional<CarLook> look = carLookOf(carStyle);
    if (!look) {
        return std::nullopt;
    }
    std::string name = "\\";
    name += *look == CarLook::Ford ? "ford" : *look == CarLook::GM ? "gm" : "2000";
    name += right ? 'r' : 'l';
    name += axis == PictureAxis::X ? 'x' : axis == PictureAxis::Y ? 'y' : 'z';
    switch (group) {
    case PictureGroup::Top:
        name += "up";
        break;
    case PictureGroup::Bottom:
        name += "dn";
        break;
    case PictureGroup::Misc:
        name += "mc";
        break;
    case PictureGroup::Table:
        return std::nullopt;
    }
    return name + ".bmp";
}

std::string guidePictureName(int screen) {
    return "\\hlp" + std::to_string(screen) + ".bmp";
}

} // namespace velmora

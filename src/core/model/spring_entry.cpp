#include "model/spring_entry.h"

#include "model/entry_text.h"
#include "model/shown_length.h"
#include "model/shown_quantity.h"
#include "model/typed_number.h"

#include <optional>

namespace velmora {
namespace {

const char* const kAxes[] = {"X", "Y", "Z"};

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

std::string sideName(bool right) {
    return right ? "Right" : "Left";
}

void putPoint(const MountPoint& point, std::string* boxes) {
    const float values[] = {point.x, point.y, point.z};
    for (int k = 0; k < 3; ++k) {
        boxes[k] = lengthBoxText(values[k]);
    }
}

std::string quantityBox(Quantity quantity, float value) {
    const double shown = shownQuantity(quantity, value);
    return shown == value ? boxText(value) : boxText(static_cast<float>(shown));
}

// Reads one box; `kept` is what the box showed for the value before, so an untouched box
// keeps it exactly.
class Reader {
public:
    std::string problem;

    float length(const std::string& text, const std::string& name, std::optional<float> kept) {
        if (kept && text == lengthBoxText(*kept)) {
            return *kept;
        }
        const TypedNumber typed = read(text, name);
        return problem.empty() ? typedStoredLength(typed.value) : 0.0f;
    }

    float quantity(Quantity q, const std::string& text, const std::string& name,
                   std::optional<float> kept) {
        if (kept && text == quantityBox(q, *kept)) {
            return *kept;
        }
        const TypedNumber typed = read(text, name);
        return problem.empty() ? static_cast<float>(typedQuantity(q, typed.value)) : 0.0f;
    }

    MountPoint point(const std::string* boxes, const std::string& name,
                     std::optional<MountPoint> kept) {
        float v[3] = {};
        const float before[3] = {kept ? kept->x : 0, kept ? kept->y : 0, kept ? kept->z : 0};
        for (int k = 0; k < 3 && problem.empty(); ++k) {
            v[k] = length(boxes[k], name + " " + kAxes[k],
                          kept ? std::optional<float>(before[k]) : std::nullopt);
        }
        return {v[0], v[1], v[2]};
    }

private:
    TypedNumber read(const std::string& text, const std::string& name) {
        if (!problem.empty()) {
            return {};
        }
        if (blank(text)) {
            problem = name + " is empty";
            return {};
        }
        TypedNumber typed = readTypedNumber(text, {.blanksAround = true, .single = true});
        if (!typed.ok()) {
            problem = name + " " + typed.problem;
        }
        return typed;
    }
};

template <std::size_t N> bool allBlank(const std::array<std::string, N>& boxes) {
    for (const std::string& box : boxes) {
        if (!blank(box)) {
            return false;
        }
    }
    return true;
}

std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

std::optional<StrutMount> strutOf(const StrutTexts& t, const std::string* rate, bool right,
                                  const std::optional<StrutMount>& before, std::string& problem) {
    const bool isSpring = rate != nullptr;
    if (allBlank(t.point) && (!rate || blank(*rate))) {
        return std::nullopt;
    }
    const std::string piece = sideName(right) + (isSpring ? " spring" : " damper");
    Reader r;
    StrutMount mount;
    mount.arm = t.arm;
    mount.onArm = r.point(&t.point[0], piece + " arm mount",
                          before ? std::optional<MountPoint>(before->onArm) : std::nullopt);
    mount.onChassis = r.point(&t.point[3], piece + " chassis mount",
                              before ? std::optional<MountPoint>(before->onChassis) : std::nullopt);
    if (r.problem.empty() && rate && !blank(*rate)) {
        mount.rate = r.quantity(Quantity::Rate, *rate, piece + " rate",
                                before ? before->rate : std::nullopt);
    }
    if (r.problem.empty()) {
        if (const std::string why = strutMountProblem(mount, isSpring); !why.empty()) {
            r.problem = sideName(right) + ": " + why;
        }
    }
    problem = r.problem;
    return mount;
}

std::optional<BarLink> linkOf(const CornerSpringTexts& t, bool right,
                              const std::optional<BarLink>& before, std::string& problem) {
    if (allBlank(t.link)) {
        return std::nullopt;
    }
    Reader r;
    BarLink link;
    link.arm = t.linkArm;
    link.point = r.point(t.link.data(), sideName(right) + " bar link",
                         before ? std::optional<MountPoint>(before->point) : std::nullopt);
    if (r.problem.empty()) {
        if (const std::string why = barLinkProblem(link); !why.empty()) {
            r.problem = sideName(right) + ": " + why;
        }
    }
    problem = r.problem;
    return link;
}

std::optional<AntiRollBar> barOf(const std::array<std::string, kBarBoxes>& t,
                                 const std::optional<AntiRollBar>& before, std::string& problem) {
    if (allBlank(t)) {
        return std::nullopt;
    }
    Reader r;
    AntiRollBar bar;
    const auto was = [&](float AntiRollBar::*field) {
        return before ? std::optional<float>((*before).*field) : std::nullopt;
    };
    bar.diameter = r.length(t[0], "Bar diameter", was(&AntiRollBar::diameter));
    // An empty wall is a solid bar, as 0 is.
    bar.wall = blank(t[1]) ? 0.0f : r.length(t[1], "Bar wall", was(&AntiRollBar::wall));
    bar.activeLength = r.length(t[2], "Bar active length", was(&AntiRollBar::activeLength));
    bar.armLength = r.length(t[3], "Bar arm length", was(&AntiRollBar::armLength));
    if (r.problem.empty() && !blank(t[4])) {
        bar.shearModulus = r.quantity(Quantity::Modulus, t[4], "Bar shear modulus",
                                      before ? before->shearModulus : std::nullopt);
    }
    if (r.problem.empty()) {
        if (const std::string why = antiRollBarProblem(bar); !why.empty()) {
            r.problem = capitalised(why);
        }
    }
    problem = r.problem;
    return bar;
}

} // namespace

SpringTexts springTexts(const SpringData& data) {
    SpringTexts t;
    for (const bool right : {true, false}) {
        const CornerSprings& c = data.side(right);
        CornerSpringTexts& out = t.side(right);
        if (c.spring) {
            out.spring.arm = c.spring->arm;
            putPoint(c.spring->onArm, &out.spring.point[0]);
            putPoint(c.spring->onChassis, &out.spring.point[3]);
            if (c.spring->rate) {
                out.rate = quantityBox(Quantity::Rate, *c.spring->rate);
            }
        }
        if (c.damper) {
            out.damper.arm = c.damper->arm;
            putPoint(c.damper->onArm, &out.damper.point[0]);
            putPoint(c.damper->onChassis, &out.damper.point[3]);
        }
        if (c.barLink) {
            out.linkArm = c.barLink->arm;
            putPoint(c.barLink->point, out.link.data());
        }
    }
    if (data.bar) {
        t.bar = {lengthBoxText(data.bar->diameter), lengthBoxText(data.bar->wall),
                 lengthBoxText(data.bar->activeLength), lengthBoxText(data.bar->armLength),
                 data.bar->shearModulus ? quantityBox(Quantity::Modulus, *data.bar->shearModulus)
                                        : std::string()};
    }
    return t;
}

std::variant<SpringData, std::string> acceptedSpringData(const SpringTexts& texts,
                                                         const SpringData& before) {
    SpringData out;
    std::string problem;
    for (const bool right : {true, false}) {
        const CornerSpringTexts& t = texts.side(right);
        const CornerSprings& was = before.side(right);
        CornerSprings& c = out.side(right);
        c.spring = strutOf(t.spring, &t.rate, right, was.spring, problem);
        if (problem.empty()) {
            c.damper = strutOf(t.damper, nullptr, right, was.damper, problem);
        }
        if (problem.empty()) {
            c.barLink = linkOf(t, right, was.barLink, problem);
        }
        if (!problem.empty()) {
            return problem + ".";
        }
    }
    out.bar = barOf(texts.bar, before.bar, problem);
    if (!problem.empty()) {
        return problem + ".";
    }
    return out;
}

} // namespace velmora

#pragma once

#ifdef VELMORA_WITH_UI
#include <QGuiApplication>

#include <memory>
#include <string>

namespace velmora::cli {

// The window toolkit started without a screen, for the commands that draw (PNG, PDF). Its
// warnings (a missing runtime folder on a server, fonts it substituted) mean nothing to
// someone asking for a file, so they stay off stderr; the last one explains a drawing that
// failed.
class ToolkitSession {
public:
    ToolkitSession();
    ~ToolkitSession();
    ToolkitSession(const ToolkitSession&) = delete;
    ToolkitSession& operator=(const ToolkitSession&) = delete;

    // `what`, followed by the toolkit's last warning in parentheses when it gave one.
    static std::string failure(const std::string& what);

private:
    int argc_ = 1;
    char name_[12] = "velmora-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace velmora::cli
#endif

// SPDX-License-Identifier: MIT
#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

// The C library under a locale that writes a decimal comma, as on a German student's
// machine, for as long as this lives; the locale before it comes back afterwards. Where the
// machine has no such locale installed, it is compiled from the machine's locale sources
// (glibc's localedef) into a temporary folder that LOCPATH points to. unavailable() says why
// neither worked.
class CommaLocale {
  public:
    CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        if (enter()) {
            return;
        }
        compileIntoTemporaryFolder();
        if (!enter()) {
            failure_ = std::string("no locale with a decimal comma: ") + kName +
                       " is not installed, and localedef could not build it from "
                       "/usr/share/i18n (install the locales package)";
        }
    }
    ~CommaLocale() {
        std::setlocale(LC_ALL, previous_.c_str());
        if (!folder_.empty()) {
            restoreLocalePath();
            std::error_code ignored;
            std::filesystem::remove_all(folder_, ignored);
        }
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    const std::optional<std::string>& unavailable() const { return failure_; }

  private:
    static constexpr const char* kName = "de_DE.UTF-8";

    bool enter() {
        return std::setlocale(LC_ALL, kName) != nullptr &&
               std::localeconv()->decimal_point == std::string(",");
    }

    void compileIntoTemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "comma-locale-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        folder_ = pattern;
        const std::string command =
            "localedef -i de_DE -f UTF-8 '" + folder_ + "/" + kName + "' >/dev/null 2>&1";
        // localedef reports warnings about the sources with a failing status, and still
        // writes the locale; whether it did is seen by entering it.
        [[maybe_unused]] const int status = std::system(command.c_str());
        if (const char* path = std::getenv("LOCPATH")) {
            previousLocalePath_ = path;
        }
        setenv("LOCPATH", folder_.c_str(), 1);
    }

    void restoreLocalePath() {
        if (previousLocalePath_) {
            setenv("LOCPATH", previousLocalePath_->c_str(), 1);
        } else {
            unsetenv("LOCPATH");
        }
    }

    std::string previous_;
    std::string folder_;
    std::optional<std::string> previousLocalePath_;
    std::optional<std::string> failure_;
};

#pragma once
// A fresh folder under /tmp for one test, removed with everything in it.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <stdlib.h>

namespace kalvorin::test {

class TTestOrdner {
public:
    TTestOrdner() {
        std::string vorlage = (std::filesystem::temp_directory_path() / "kalvorin-XXXXXX").string();
        pfad_ = ::mkdtemp(vorlage.data());
    }
    ~TTestOrdner() {
        std::error_code ec;
        std::filesystem::remove_all(pfad_, ec);
    }
    TTestOrdner(const TTestOrdner&) = delete;
    TTestOrdner& operator=(const TTestOrdner&) = delete;

    std::string operator/(const std::string& name) const { return (pfad_ / name).string(); }
    const std::filesystem::path& Pfad() const { return pfad_; }

private:
    std::filesystem::path pfad_;
};

inline std::string DateiInhalt(const std::string& datei) {
    std::ifstream f(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void DateiSchreiben(const std::string& datei, const std::string& inhalt) {
    std::ofstream f(datei, std::ios::binary | std::ios::trunc);
    f << inhalt;
}

} // namespace kalvorin::test

#include "screens/filescreens/examinee_names.h"

#include <algorithm>
#include <array>
#include <system_error>

#include "model/cp1250.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;

std::string polish(std::string_view utf8) {
    return cp1250::fromUtf8Lossy(utf8);
}

// Collation weights of one cp1250 byte.
struct Weight {
    int primary = 0;    // letters from 256 upwards, in alphabet order; others their byte value
    int secondary = 0;  // place among the letters sharing a primary weight (á after a)
    int tertiary = 0;   // 0 lower case, 1 upper case
};

class Collation {
  public:
    Collation() {
        for (int b = 0; b < 256; ++b) weights_[b] = {b, 0, 0};
        // Groups of letters that share a primary weight, in alphabet order; within a group
        // the letters follow in the order given.
        static const char* const kLower[] = {
            "aáâăä", "ą", "b",   "cçč",   "ć", "dďđ", "eéëě", "ę",    "f",  "g", "h", "iíî",
            "j",     "k", "lĺľ", "ł",     "m", "nň",  "ń",    "oôőö", "ó",  "p", "q", "rŕř",
            "sšşß",  "ś", "tťţ", "uůúűü", "v", "w",   "x",    "yý",   "zž", "ź", "ż"};
        static const char* const kUpper[] = {
            "AÁÂĂÄ", "Ą", "B",   "CÇČ",   "Ć", "DĎĐ", "EÉËĚ", "Ę",    "F",  "G", "H", "IÍÎ",
            "J",     "K", "LĹĽ", "Ł",     "M", "NŇ",  "Ń",    "OÔŐÖ", "Ó",  "P", "Q", "RŔŘ",
            "SŠŞ",   "Ś", "TŤŢ", "UŮÚŰÜ", "V", "W",   "X",    "YÝ",   "ZŽ", "Ź", "Ż"};
        int primary = 256;
        for (size_t g = 0; g < std::size(kLower); ++g, ++primary) {
            assign(polish(kLower[g]), primary, 0);
            assign(polish(kUpper[g]), primary, 1);
        }
    }
    const Weight& operator[](char c) const { return weights_[static_cast<unsigned char>(c)]; }

  private:
    void assign(const std::string& letters, int primary, int tertiary) {
        for (size_t i = 0; i < letters.size(); ++i) {
            weights_[static_cast<unsigned char>(letters[i])] = {primary, static_cast<int>(i),
                                                                tertiary};
        }
    }
    std::array<Weight, 256> weights_;
};

const Collation& collation() {
    static const Collation instance;
    return instance;
}

template <typename Key>
int compareBy(std::string_view a, std::string_view b, Key key) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ka = key(a[i]);
        const int kb = key(b[i]);
        if (ka != kb) return ka < kb ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return 0;
}

bool endsWithExtension(std::string_view name) {
    if (name.size() < kExamineeExtension.size()) return false;
    const std::string_view tail = name.substr(name.size() - kExamineeExtension.size());
    return std::equal(tail.begin(), tail.end(), kExamineeExtension.begin(), [](char x, char y) {
        return (x >= 'A' && x <= 'Z' ? x - 'A' + 'a' : x) == y;
    });
}

std::string_view stem(std::string_view name) {
    return endsWithExtension(name) ? name.substr(0, name.size() - kExamineeExtension.size()) : name;
}

bool isDeviceName(std::string_view name) {
    std::string base(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

bool ensureExamineeFolder(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

fs::path examineePath(const fs::path& folder, std::string_view cp1250Name) {
    const std::string utf8 = cp1250::toUtf8(cp1250Name);
    return folder / fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string refusedNameReason(std::string_view name) {
    if (name.find_first_not_of(' ') == std::string_view::npos) return polish("Wpisz nazwę pliku.");
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F)
            return polish("Nazwa pliku nie może zawierać znaków sterujących.");
    }
    if (name.find_first_of("/\\<>:\"|?*") != std::string_view::npos) {
        return polish("Nazwa pliku nie może zawierać żadnego ze znaków: / \\ < > : \" | ? *");
    }
    if (name.find(cp1250::kSeparator) != std::string_view::npos) {
        return polish("Nazwa pliku nie może zawierać znaku §.");
    }
    for (char c : name) {
        if (!cp1250::toUnicode(static_cast<unsigned char>(c))) {
            return polish("Nazwa pliku zawiera niedozwolony znak.");
        }
    }
    if (name.back() == '.' || name.back() == ' ') {
        return polish("Nazwa pliku nie może kończyć się kropką ani spacją.");
    }
    if (isDeviceName(name))
        return polish("Tej nazwy nie można nadać plikowi: zastrzegł ją system.");
    // Most file systems hold names of up to 255 bytes.
    if (cp1250::toUtf8(name).size() + kExamineeExtension.size() > 255) {
        return polish("Nazwa pliku jest za długa.");
    }
    return {};
}

int comparePolish(std::string_view a, std::string_view b) {
    const Collation& w = collation();
    if (int c = compareBy(a, b, [&](char x) { return w[x].primary; })) return c;
    if (int c = compareBy(a, b, [&](char x) { return w[x].secondary; })) return c;
    if (int c = compareBy(a, b, [&](char x) { return w[x].tertiary; })) return c;
    return compareBy(a, b, [](char x) { return static_cast<int>(static_cast<unsigned char>(x)); });
}

std::vector<std::string> listExamineeFiles(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::u8string u8 = it->path().filename().u8string();
        const auto name = cp1250::fromUtf8(std::string(u8.begin(), u8.end()));
        if (!name || !endsWithExtension(*name)) continue;
        names.push_back(*name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& x, const std::string& y) {
        if (int c = comparePolish(stem(x), stem(y))) return c < 0;
        return comparePolish(x, y) < 0;
    });
    return names;
}

std::string fittedFileName(std::string_view name, int width,
                           const std::function<int(std::string_view)>& measure) {
    if (measure(name) <= width) return std::string(name);
    const size_t n = kExamineeExtension.size();
    std::string_view extension;
    if (name.size() > n) {
        std::string tail(name.substr(name.size() - n));
        for (char& c : tail) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (tail == kExamineeExtension) extension = name.substr(name.size() - n);
    }
    const std::string_view base = name.substr(0, name.size() - extension.size());
    constexpr char kEllipsis = '\x85';  // "…" in cp1250
    // The longest start of the name that fits with the ellipsis and the extension; a blank
    // before the ellipsis goes.
    for (size_t keep = base.size(); keep > 0; --keep) {
        std::string shown(base.substr(0, keep));
        while (!shown.empty() && shown.back() == ' ') shown.pop_back();
        shown += kEllipsis;
        shown += extension;
        if (measure(shown) <= width) return shown;
    }
    return std::string(1, kEllipsis) + std::string(extension);
}

}  // namespace lun4

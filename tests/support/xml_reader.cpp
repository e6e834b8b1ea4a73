#include "xml_reader.h"

#include <cstdint>

namespace lun4::testing {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

std::pair<std::string, std::string> split(const std::string& qualified) {
    const size_t colon = qualified.find(':');
    if (colon == std::string::npos) return {"", qualified};
    return {qualified.substr(0, colon), qualified.substr(colon + 1)};
}

}  // namespace

XmlReader::XmlReader(std::string xml) : xml_(std::move(xml)) {
    if (xml_.starts_with("<?xml")) {
        const size_t end = xml_.find("?>");
        at_ = end == std::string::npos ? xml_.size() : end + 2;
    }
}

void XmlReader::fail(const std::string& why) {
    if (error_.empty()) error_ = why + " at byte " + std::to_string(at_);
    token_ = Token::End;
}

std::string XmlReader::resolve(const std::string& prefix) const {
    for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
        if (auto found = it->second.find(prefix); found != it->second.end()) return found->second;
    }
    return {};
}

std::string XmlReader::decode(std::string_view raw) {
    std::string out;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '<') {
            fail("'<' in text");
            return out;
        }
        if (raw[i] != '&') {
            out += raw[i];
            continue;
        }
        const size_t end = raw.find(';', i);
        if (end == std::string_view::npos) {
            fail("an entity without its end");
            return out;
        }
        const std::string_view entity = raw.substr(i + 1, end - i - 1);
        if (entity == "amp") {
            out += '&';
        } else if (entity == "lt") {
            out += '<';
        } else if (entity == "gt") {
            out += '>';
        } else if (entity == "quot") {
            out += '"';
        } else if (entity == "apos") {
            out += '\'';
        } else if (entity.starts_with("#x")) {
            appendUtf8(out, std::stoul(std::string(entity.substr(2)), nullptr, 16));
        } else if (entity.starts_with("#")) {
            appendUtf8(out, std::stoul(std::string(entity.substr(1))));
        } else {
            fail("an unknown entity &" + std::string(entity) + ";");
            return out;
        }
        i = end;
    }
    return out;
}

XmlReader::Token XmlReader::readNext() {
    if (atEnd()) return token_;
    attributes_.clear();
    text_.clear();
    if (pendingEnd_) {
        pendingEnd_ = false;
        open_.pop_back();
        return token_ = Token::EndElement;
    }
    if (at_ >= xml_.size()) {
        if (!open_.empty()) fail("the document ends inside <" + open_.back().first + ">");
        return token_ = Token::End;
    }
    if (xml_[at_] != '<') {
        const size_t end = xml_.find('<', at_);
        const size_t stop = end == std::string::npos ? xml_.size() : end;
        text_ = decode(std::string_view(xml_).substr(at_, stop - at_));
        at_ = stop;
        if (open_.empty() && !isWhitespace()) fail("text outside the root element");
        return hasError() ? token_ : token_ = Token::Characters;
    }
    const size_t close = xml_.find('>', at_);
    if (close == std::string::npos) {
        fail("a tag without its end");
        return token_;
    }
    std::string tag = xml_.substr(at_ + 1, close - at_ - 1);
    at_ = close + 1;
    if (tag.starts_with("!--") || tag.starts_with("?")) return readNext();
    if (tag.starts_with("/")) {
        const std::string qualified = tag.substr(1, tag.find_last_not_of(" \t\r\n"));
        if (open_.empty() || open_.back().first != qualified) {
            fail("</" + qualified + "> closes nothing open");
            return token_;
        }
        auto [prefix, local] = split(qualified);
        name_ = local;
        namespace_ = resolve(prefix);
        open_.pop_back();
        return token_ = Token::EndElement;
    }
    const bool empty = tag.ends_with("/");
    if (empty) tag.pop_back();
    size_t i = 0;
    while (i < tag.size() && !isSpace(tag[i])) ++i;
    const std::string qualified = tag.substr(0, i);
    std::map<std::string, std::string> declared;
    std::vector<std::pair<std::string, std::string>> raw;
    while (i < tag.size()) {
        while (i < tag.size() && isSpace(tag[i])) ++i;
        if (i >= tag.size()) break;
        const size_t eq = tag.find('=', i);
        if (eq == std::string::npos || eq + 1 >= tag.size() ||
            (tag[eq + 1] != '"' && tag[eq + 1] != '\'')) {
            fail("an attribute without a quoted value in <" + qualified + ">");
            return token_;
        }
        const size_t end = tag.find(tag[eq + 1], eq + 2);
        if (end == std::string::npos) {
            fail("an attribute value without its end in <" + qualified + ">");
            return token_;
        }
        std::string attributeName = tag.substr(i, eq - i);
        while (!attributeName.empty() && isSpace(attributeName.back())) attributeName.pop_back();
        std::string value = decode(std::string_view(tag).substr(eq + 2, end - eq - 2));
        if (attributeName == "xmlns") {
            declared[""] = value;
        } else if (attributeName.starts_with("xmlns:")) {
            declared[attributeName.substr(6)] = value;
        } else {
            raw.emplace_back(attributeName, value);
        }
        i = end + 1;
    }
    open_.emplace_back(qualified, std::move(declared));
    auto [prefix, local] = split(qualified);
    name_ = local;
    namespace_ = resolve(prefix);
    for (auto& [attributeName, value] : raw) {
        auto [attributePrefix, attributeLocal] = split(attributeName);
        attributes_.push_back({attributePrefix.empty() ? "" : resolve(attributePrefix),
                               attributeLocal, std::move(value)});
    }
    pendingEnd_ = empty;
    return token_ = Token::StartElement;
}

bool XmlReader::isWhitespace() const {
    for (char c : text_) {
        if (!isSpace(c)) return false;
    }
    return true;
}

std::string XmlReader::attribute(std::string_view ns, std::string_view name) const {
    for (const Attribute& a : attributes_) {
        if (a.ns == ns && a.name == name) return a.value;
    }
    return {};
}

bool XmlReader::hasAttribute(std::string_view ns, std::string_view name) const {
    for (const Attribute& a : attributes_) {
        if (a.ns == ns && a.name == name) return true;
    }
    return false;
}

std::string XmlReader::readElementText() {
    std::string text;
    int depth = 1;
    while (depth > 0 && !atEnd()) {
        readNext();
        if (isStartElement()) ++depth;
        if (isEndElement()) --depth;
        if (isCharacters()) text += text_;
    }
    return text;
}

}  // namespace lun4::testing

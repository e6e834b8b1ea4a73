#pragma once
// A small pull reader of XML for the tests that read what the program writes (the editable
// report's package): elements with their namespaces resolved, attributes, characters with the
// entities replaced. It reads what a word processor's files hold (no DTD, no CDATA) and says
// when a file is not well-formed.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lun4::testing {

class XmlReader {
  public:
    explicit XmlReader(std::string xml);

    enum class Token { None, StartElement, EndElement, Characters, End };
    Token readNext();
    bool atEnd() const { return token_ == Token::End || !error_.empty(); }
    bool hasError() const { return !error_.empty(); }
    const std::string& errorString() const { return error_; }

    bool isStartElement() const { return token_ == Token::StartElement; }
    bool isEndElement() const { return token_ == Token::EndElement; }
    bool isCharacters() const { return token_ == Token::Characters; }
    bool isWhitespace() const;

    // The element's local name and namespace (start and end elements).
    const std::string& name() const { return name_; }
    const std::string& namespaceUri() const { return namespace_; }
    // An attribute of the start element by its namespace and local name; empty when absent.
    std::string attribute(std::string_view ns, std::string_view name) const;
    bool hasAttribute(std::string_view ns, std::string_view name) const;
    // The characters read, entities replaced.
    const std::string& text() const { return text_; }
    // From a start element: the text of everything in it, up to its end element.
    std::string readElementText();

  private:
    struct Attribute {
        std::string ns, name, value;
    };
    void fail(const std::string& why);
    std::string resolve(const std::string& prefix) const;
    std::string decode(std::string_view raw);

    std::string xml_;
    size_t at_ = 0;
    Token token_ = Token::None;
    std::string name_, namespace_, text_, error_;
    std::vector<Attribute> attributes_;
    // Open elements: qualified name and the namespaces they declared.
    std::vector<std::pair<std::string, std::map<std::string, std::string>>> open_;
    bool pendingEnd_ = false;  // an empty element's end comes next
};

}  // namespace lun4::testing

#pragma once
// Writing the built-in documents: tinyxml2's printer with a byte order mark,
// an XML declaration without encoding, and UTF-8 texts.
#include <initializer_list>
#include <string>
#include <utility>

#include <tinyxml2.h>

using XmlAttributes = std::initializer_list<std::pair<const char*, std::wstring>>;

class ScriptDocument {
public:
    ScriptDocument();
    ScriptDocument(const ScriptDocument&) = delete;
    ScriptDocument& operator=(const ScriptDocument&) = delete;

    // Adds an element below `parent` (the document itself when null) with
    // its attributes in the order given and an optional text.
    tinyxml2::XMLElement* Add(tinyxml2::XMLElement* parent, const char* name, XmlAttributes attributes = {},
                              const std::wstring& text = std::wstring());
    // The printed document, byte order mark first, without a terminating NUL.
    std::string Text() const;

private:
    tinyxml2::XMLDocument document_;
};

// Saves a document, replacing an existing file; 0 or the system error code.
int32_t WriteScriptFile(const std::wstring& path, const std::string& text);

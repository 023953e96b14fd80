#include "app/script_document.h"

#include <windows.h>

#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "files/system_results.h"
#include "files/unique_handle.h"

ScriptDocument::ScriptDocument() {
    document_.SetBOM(true);
    document_.InsertEndChild(document_.NewDeclaration("xml version=\"1.0\""));
}

tinyxml2::XMLElement* ScriptDocument::Add(tinyxml2::XMLElement* parent, const char* name, XmlAttributes attributes,
                                          const std::wstring& text) {
    tinyxml2::XMLElement* element = document_.NewElement(name);
    for (const auto& [attribute, value] : attributes) {
        element->SetAttribute(attribute, WideToUtf8(value).c_str());
    }
    if (!text.empty()) {
        element->SetText(WideToUtf8(text).c_str());
    }
    if (parent != nullptr) {
        parent->InsertEndChild(element);
    } else {
        document_.InsertEndChild(element);
    }
    return element;
}

std::string ScriptDocument::Text() const {
    tinyxml2::XMLPrinter printer;
    document_.Print(&printer);
    return std::string(printer.CStr(), static_cast<size_t>(printer.CStrSize() - 1));
}

int32_t WriteScriptFile(const std::wstring& path, const std::string& text) {
    const UniqueHandle file = AdoptFileHandle(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return LastErrorResult();
    }
    return WriteAll(file.get(), text.data(), static_cast<DWORD>(text.size()));
}

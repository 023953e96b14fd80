#pragma once
// Helpers of the system tests: running one tag on its own, reading registry
// values back in the program's view, and the helper programs' paths.
#include <windows.h>

#include <string>
#include <vector>

#include "common/text_conversion.h"
#include "engine/params_handler.h"
#include "engine/tag_handler.h"

struct TagRun {
    int32_t result = 0;
    std::wstring action;   // the action text the tag described
    std::wstring xmlText;  // the handler's ToXmlText after the run
};

// Executes one handler of class T with the given attributes and text, the way
// its container would.
template <class T>
TagRun RunTag(const AttributeMap& attributes, const std::wstring& text = std::wstring()) {
    auto params = std::make_shared<CParamsHandler>();
    auto progress = std::make_shared<CMainProgress>();
    T handler(params, progress);
    handler.attributes = attributes;
    handler.text = ToCi(text);
    TagRun run;
    run.result = CTagHandler::Execute(handler);
    run.action = ToWide(progress->action.ActionText());
    run.xmlText = handler.ToXmlText();
    return run;
}

struct RegistryValue {
    bool exists = false;
    DWORD type = 0;
    std::vector<BYTE> bytes;
};
// Reads a value in the program's registry view (`view` 0) or in the one
// given (KEY_WOW64_64KEY...).
RegistryValue ReadRegistryValue(HKEY root, const std::wstring& subkey, const std::wstring& name,
                                REGSAM view = 0);
bool RegistryKeyExists(HKEY root, const std::wstring& subkey, REGSAM view = 0);
// Sets a value in the program's view, creating the key.
void SetRegistryValue(HKEY root, const std::wstring& subkey, const std::wstring& name, DWORD type,
                      const std::vector<BYTE>& bytes);
void SetRegistryText(HKEY root, const std::wstring& subkey, const std::wstring& name, const std::wstring& text);
// Removes a key tree in the program's view, whatever is in it.
void RemoveRegistryTree(HKEY root, const std::wstring& subkey);

// The UTF-16 bytes of a text, with as many terminating NULs as asked.
std::vector<BYTE> TextBytes(const std::wstring& text, int nuls = 0);

// A helper program or library next to the test program.
std::wstring HelperPath(const std::wstring& fileName);

// Polls until the file exists or the time is up.
bool WaitForFile(const std::wstring& path, DWORD timeoutMs);


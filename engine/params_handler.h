#pragma once
// The variable table of one processor, which is also the handler of the
// `params` tag: each child element of `params` defines one %NAME% variable.
#include "engine/tag_handler.h"

class CParamsHandler : public CTagHandler {
public:
    static constexpr const wchar_t* kTagName = L"PARAMS";

    // Starts from a copy of the process-wide variables.
    CParamsHandler();

    HandlerPtr Clone() const override;
    // Defines the variable named by the element from its text, expanded with
    // the variables known so far. An element without text defines nothing.
    int32_t Load(const tinyxml2::XMLElement& element) override;
    // The holder is never executed.
    void Process() override { throw -1; }

    // The variable's value, or an empty text.
    CiString Value(std::wstring_view variable) const { return GetAttribute(variable); }
};

// Replaces %NAME% references to defined variables in place, left to right.
// Inserted values are not scanned again; undefined names and lone percent
// signs stay as written.
void ExpandVariables(CiString& text, const CParamsHandler& holder);

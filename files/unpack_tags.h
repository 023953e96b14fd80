#pragma once
// The unpack tag and its unpackfile rules.
#include "engine/tag_handler.h"

// <unpack src="ARCHIVE" dst="FOLDER"> with unpackfile children.
class CUnpackHandler : public TagHandlerOf<CUnpackHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Unpack";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

// <unpackfile src="ENTRY" dst="NAME" overwrite="never" skip="true"/>: a rule
// for one entry; read by its unpack, never executed.
class CUnpackFileHandler : public ChildOnlyHandlerOf<CUnpackFileHandler> {
public:
    static constexpr const wchar_t* kTagName = L"UnpackFile";
    using ChildOnlyHandlerOf::ChildOnlyHandlerOf;
};

#pragma once
// The copyfile, delete (with its deletefile children) and createdir tags:
// thin handlers that read their attributes and run one file operation.
#include "engine/tag_handler.h"

// <copyfile src="LOCATOR" dst="PATH" resid="N"/>
class CCopyfileHandler : public TagHandlerOf<CCopyfileHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Copyfile";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

// <delete path="PATH"/>: a file or a folder tree.
class CDeleteHandler : public TagHandlerOf<CDeleteHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Delete";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

// <deletefile name="NAME" skip="true"/>: a name a registry deletion spares;
// read by its delete, never executed.
class CDeleteFileHandler : public ChildOnlyHandlerOf<CDeleteFileHandler> {
public:
    static constexpr const wchar_t* kTagName = L"DeleteFile";
    using ChildOnlyHandlerOf::ChildOnlyHandlerOf;
};

// <createdir dst="PATH"/>
class CCreatedirHandler : public TagHandlerOf<CCreatedirHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Createdir";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

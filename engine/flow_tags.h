#pragma once
// The tags that give a script its structure. They perform no system action;
// they run their children in order and decide from each child's result and
// errorscope whether to go on.
#include "engine/tag_handler.h"

// The root: runs its packages; "package" and "ignore" skip a failed one.
class CInstallHandler : public TagHandlerOf<CInstallHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Install";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

// A unit of work: only "ignore" lets it go on past a failed child.
class CPackageHandler : public TagHandlerOf<CPackageHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Package";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

class CPackageGroupHandler : public ContainerHandlerOf<CPackageGroupHandler> {
public:
    static constexpr const wchar_t* kTagName = L"PackageGroup";
    using ContainerHandlerOf::ContainerHandlerOf;
};

// Succeeds when every named package of the root has succeeded (or not yet
// run); reads their results from the root's children.
class CDependenciesHandler : public CTagHandler {
public:
    static constexpr const wchar_t* kTagName = L"DEPENDENCIES";
    CDependenciesHandler(ParamsPtr params, ProgressPtr progress, const HandlerList& packages);
    HandlerPtr Clone() const override;
    void Process() override;

private:
    const HandlerList& packages_;
};

class CDependencyHandler : public ChildOnlyHandlerOf<CDependencyHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Dependency";
    using ChildOnlyHandlerOf::ChildOnlyHandlerOf;
};

// Runs its branch "1" when `path` exists, else its branch "0".
class CCheckexistHandler : public TagHandlerOf<CCheckexistHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Checkexist";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

class C0Handler : public ContainerHandlerOf<C0Handler> {
public:
    static constexpr const wchar_t* kTagName = L"0";
    using ContainerHandlerOf::ContainerHandlerOf;
};

class C1Handler : public ContainerHandlerOf<C1Handler> {
public:
    static constexpr const wchar_t* kTagName = L"1";
    using ContainerHandlerOf::ContainerHandlerOf;
};

#pragma once
// The base of every script tag. A handler receives its element's attributes
// and text during the walk, hangs in its container's children, and does its
// work when the container executes it.
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>

#include "common/ci_string.h"
#include "engine/main_progress.h"

namespace tinyxml2 {
class XMLElement;
}

class CParamsHandler;
class CTagHandler;

using HandlerPtr = std::shared_ptr<CTagHandler>;
using HandlerList = std::list<HandlerPtr>;
using AttributeMap = std::map<CiString, CiString>;
using ParamsPtr = std::shared_ptr<CParamsHandler>;
using ProgressPtr = std::shared_ptr<CMainProgress>;

class CTagHandler {
public:
    CTagHandler(ParamsPtr params, CiString name, ProgressPtr progress);
    virtual ~CTagHandler();
    CTagHandler(const CTagHandler&) = delete;
    CTagHandler& operator=(const CTagHandler&) = delete;

    // A fresh, empty instance of the same class sharing params and progress.
    virtual HandlerPtr Clone() const = 0;
    virtual int32_t Load(const tinyxml2::XMLElement& element);
    // Performs the tag and leaves the outcome in `result`.
    virtual void Process() = 0;

    // The attribute's value, or an empty text; never adds the attribute.
    CiString GetAttribute(std::wstring_view name) const;
    // The attribute's value, added empty first when missing, so a missing
    // attribute a tag asked for shows in ToXmlText.
    CiString& AttributeSlot(std::wstring_view name);
    // <NAME a="v">text</NAME> on one line, nothing escaped: the form the
    // progress screen shows and the cancel report carries.
    std::wstring ToXmlText() const;

    // Runs one handler: makes it current, resets the action level, expands
    // its variables and processes it. Containers call it for each child.
    static int32_t Execute(CTagHandler& handler);
    // The generic container loop, with errorscope "ignore" and pending
    // restarts (-6) handled.
    int32_t ExecuteChildren();

    const CiString name;
    AttributeMap attributes;
    CiString text;
    HandlerList children;
    int32_t result = 0;
    const ParamsPtr params;
    const ProgressPtr progress;
};

// Gives a handler class its upper-case name and its Clone. T names its tag
// with `static constexpr const wchar_t* kTagName`.
template <class T>
class TagHandlerOf : public CTagHandler {
public:
    TagHandlerOf(ParamsPtr params, ProgressPtr progress)
        : CTagHandler(std::move(params), ToUpper(T::kTagName), std::move(progress)) {}
    HandlerPtr Clone() const override { return std::make_shared<T>(params, progress); }
};

// A tag that only its container reads (dependency, unpackfile, deletefile):
// executing it on its own is a script fault that ends the run with -5.
template <class T>
class ChildOnlyHandlerOf : public TagHandlerOf<T> {
public:
    using TagHandlerOf<T>::TagHandlerOf;
    void Process() override {
        this->result = -1;
        throw -1;
    }
};

// A container that runs its children with the generic loop (packagegroup and
// the branches 0 and 1).
template <class T>
class ContainerHandlerOf : public TagHandlerOf<T> {
public:
    using TagHandlerOf<T>::TagHandlerOf;
    void Process() override { this->ExecuteChildren(); }
};

#include "files/child_rule.h"

ChildRule FindChildRule(const CTagHandler& handler, std::wstring_view keyAttribute, std::wstring_view value) {
    ChildRule rule;
    for (const HandlerPtr& child : handler.children) {
        const CiString key = child->GetAttribute(keyAttribute);
        if (key.empty() || key != ToCi(value)) {
            continue;
        }
        rule.found = true;
        rule.dst = ToWide(child->GetAttribute(L"dst"));
        rule.never = child->GetAttribute(L"overwrite") == L"never";
        rule.skip = child->GetAttribute(L"skip") == L"true";
        break;
    }
    return rule;
}

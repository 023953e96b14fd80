#pragma once
// The report tags of the scripts: their element text is the report's address.
// <statistic type="url">address</statistic> sends it as it is;
// <runtimeParamStatistic type="url">address</runtimeParamStatistic> appends
// "&extradata=" and the run summary first.
#include "engine/tag_handler.h"

class CStatisticHandler : public TagHandlerOf<CStatisticHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Statistic";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

class CRuntimeParamStatisticHandler : public TagHandlerOf<CRuntimeParamStatisticHandler> {
public:
    static constexpr const wchar_t* kTagName = L"RuntimeParamStatistic";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

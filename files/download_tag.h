#pragma once
// <downloadfile src="http://..." dst="..." attempt_val="zz" sha256="..."/>:
// downloads one file with retries and counts the attempts for the statistics.
#include "engine/tag_handler.h"

class CDownloadFileHandler : public TagHandlerOf<CDownloadFileHandler> {
public:
    static constexpr const wchar_t* kTagName = L"DownloadFile";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

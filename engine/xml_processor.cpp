#include "engine/xml_processor.h"

#include <windows.h>

#include <tinyxml2.h>

#include <cstdio>

#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "engine/fault_guard.h"
#include "engine/handler_table.h"

namespace {

constexpr size_t kMaxStatusLine = 4095;

bool IsChildOnlyTag(const CiString& name) {
    return name == L"dependency" || name == L"unpackfile" || name == L"deletefile";
}

struct FileCloser {
    void operator()(FILE* file) const { fclose(file); }
};

}  // namespace

CXMLProcessor::CXMLProcessor()
    : params_(std::make_shared<CParamsHandler>()), progress_(std::make_shared<CMainProgress>()) {
    root_ = std::make_shared<CInstallHandler>(params_, progress_);
    for (const HandlerPtr& prototype : MakeHandlerPrototypes(params_, progress_, root_->children)) {
        AddHandler(prototype);
    }
}

// The handler tree holds no references upward, so releasing the root and the
// registry frees every handler.
CXMLProcessor::~CXMLProcessor() = default;

void CXMLProcessor::AddHandler(const HandlerPtr& prototype) { registry_[prototype->name] = prototype; }

int32_t CXMLProcessor::LoadFileAndRun(const std::wstring& path) {
    result_ = 0;
    if (path.empty()) {
        return ERROR_FILE_NOT_FOUND;
    }
    document_ = std::make_shared<tinyxml2::XMLDocument>();
    // Opened by its UTF-16 name: temporary folders of users whose names lie
    // outside the ANSI code page are common.
    std::unique_ptr<FILE, FileCloser> file(_wfopen(path.c_str(), L"rb"));
    if (!file) {
        result_ = tinyxml2::XML_ERROR_FILE_NOT_FOUND;
        return result_;
    }
    fseek(file.get(), 0, SEEK_END);
    const long size = ftell(file.get());
    fseek(file.get(), 0, SEEK_SET);
    // tinyxml2 calls a zero-byte file an empty document; the scripts treat it
    // as one that holds nothing to do.
    const tinyxml2::XMLError error = size == 0 ? tinyxml2::XML_SUCCESS : document_->LoadFile(file.get());
    // Closed before the run: the install document deletes itself at its end.
    file.reset();
    result_ = error;
    if (error == tinyxml2::XML_SUCCESS) {
        result_ = Run();
    }
    return result_;
}

int32_t CXMLProcessor::ParseAndRun(const char* text, size_t length) {
    result_ = 0;
    document_ = std::make_shared<tinyxml2::XMLDocument>();
    const tinyxml2::XMLError error = length == 0 ? tinyxml2::XML_SUCCESS : document_->Parse(text, length);
    result_ = error;
    if (error == tinyxml2::XML_SUCCESS) {
        result_ = Run();
    }
    return result_;
}

int32_t CXMLProcessor::Run() {
    result_ = 0;
    running_ = 1;
    try {
        FaultGuard guard;
        for (const tinyxml2::XMLElement* element = document_ ? document_->FirstChildElement() : nullptr;
             element != nullptr; element = element->NextSiblingElement()) {
            Walk(*element, nullptr);
        }
        result_ = CTagHandler::Execute(*root_);
    } catch (int code) {
        result_ = code == RESULT_ABORTED ? RESULT_SUCCESS : RESULT_UNKNOWN_EXCEPTION;
    } catch (...) {
        // Faults and any other exception; unwinding released every lock.
        result_ = RESULT_UNKNOWN_EXCEPTION;
    }
    running_ = 0;
    return result_;
}

void CXMLProcessor::Walk(const tinyxml2::XMLElement& element, const HandlerPtr& parent) {
    CheckAbort(progress_->abortState);
    const HandlerPtr handler = Dispatch(element, parent);
    if (handler && handler != params_ && !IsChildOnlyTag(handler->name)) {
        progress_->counted.fetch_add(1);
    }
    for (const tinyxml2::XMLElement* child = element.FirstChildElement(); child != nullptr;
         child = child->NextSiblingElement()) {
        Walk(*child, handler);
    }
}

HandlerPtr CXMLProcessor::Dispatch(const tinyxml2::XMLElement& element, const HandlerPtr& parent) {
    const CiString elementName = ToCi(Utf8ToWide(element.Name()));
    HandlerPtr handler;
    if (elementName == root_->name) {
        if (parent) {
            return nullptr;  // a nested install would hang the root below itself
        }
        handler = root_;
    } else if (parent && parent == params_) {
        params_->Load(element);
        return nullptr;
    } else if (elementName == params_->name) {
        params_->Load(element);
        return params_;
    } else {
        auto found = registry_.find(elementName);
        if (found == registry_.end()) {
            return nullptr;
        }
        handler = found->second;
        found->second = handler->Clone();
    }
    handler->Load(element);
    if (parent && parent != handler) {
        parent->children.push_back(handler);
    }
    return handler;
}

std::wstring CXMLProcessor::GetStatusLine() const {
    ProgressLevel& action = progress_->action;
    std::lock_guard<std::recursive_mutex> guard(action.Lock());
    const int32_t result = result_.load();
    const bool running = running_.load() != 0;

    const int32_t processed = progress_->processed.load();
    const int32_t counted = progress_->counted.load();
    const int progress1 =
        (processed <= 0 || counted <= 0) ? 0 : static_cast<int>(static_cast<double>(processed) / counted * 1000.0);
    const int64_t done = action.Done();
    const int64_t total = action.Total();
    const int progress2 =
        (done <= 0 || total <= 0) ? 0 : static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * 1000.0);

    std::wstring line = L"action:";
    line += AsView(action.ActionText());
    line += L"; name:";
    line += AsView(action.PhaseText());
    line += L"; progress1:" + std::to_wstring(progress1);
    line += L"; progress2:" + std::to_wstring(progress2);
    line += running ? L"; status:work" : L"; status:stop";
    if (result != RESULT_SUCCESS && result != RESULT_REBOOT_PENDING) {
        line += L"; error: ";
        line += ErrorText(result);
    }
    if (line.size() > kMaxStatusLine) {
        line.resize(kMaxStatusLine);
    }
    if (!running && result == RESULT_REBOOT_PENDING) {
        line += L"; reboot:true";
    }
    return line;
}

std::wstring CXMLProcessor::GetCurrentHandlerText() const {
    std::lock_guard<std::recursive_mutex> guard(progress_->mainLock);
    const CTagHandler* current = progress_->current;
    return current != nullptr ? current->ToXmlText() : L"<empty>";
}

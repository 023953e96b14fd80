#pragma once
// Runs one script: loads the document, walks it into a tree of tag handlers
// and executes the root. A processor runs one document and is then released;
// the screens make a new one for every run.
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "engine/flow_tags.h"
#include "engine/params_handler.h"

namespace tinyxml2 {
class XMLDocument;
}

class CXMLProcessor {
public:
    CXMLProcessor();
    ~CXMLProcessor();
    CXMLProcessor(const CXMLProcessor&) = delete;
    CXMLProcessor& operator=(const CXMLProcessor&) = delete;

    // Worker thread. Return the result: the XML reader's error number when the
    // document cannot be loaded, else the run's result. An empty path
    // returns 2 and leaves the result at 0.
    int32_t LoadFileAndRun(const std::wstring& path);
    int32_t ParseAndRun(const char* text, size_t length);
    int32_t Run();

    // User-interface thread, at any time.
    std::wstring GetStatusLine() const;
    std::wstring GetCurrentHandlerText() const;
    bool IsRunning() const { return running_.load() != 0; }
    // The run stops at its next abort check, with result 0.
    void RequestAbort() { progress_->abortState = 2; }

    int32_t Result() const { return result_.load(); }
    const ProgressPtr& Progress() const { return progress_; }
    const ParamsPtr& Params() const { return params_; }

    // Registers one more tag beside the table's (test and tool tags).
    void AddHandler(const HandlerPtr& prototype);

private:
    HandlerPtr Dispatch(const tinyxml2::XMLElement& element, const HandlerPtr& parent);
    void Walk(const tinyxml2::XMLElement& element, const HandlerPtr& parent);

    std::atomic<int32_t> result_{0};
    std::shared_ptr<tinyxml2::XMLDocument> document_;
    std::shared_ptr<CInstallHandler> root_;
    ParamsPtr params_;
    ProgressPtr progress_;
    std::map<CiString, HandlerPtr> registry_;
    std::atomic<int32_t> running_{0};
};

#pragma once
// The record files the helper programs leave for the tests: "key=value"
// lines in UTF-8, written whole under their final name.
#include <map>
#include <string>

void WriteRecordFile(const std::wstring& path, const std::map<std::string, std::string>& entries);
// The entries of a record file; empty when it is not there (yet).
std::map<std::string, std::string> ReadRecordFile(const std::wstring& path);

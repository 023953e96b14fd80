#pragma once
// The vendor's web service: scheme and host, without a trailing "/". It is
// the prefix of every report, download location and web page, and is fixed
// when the program is built (CMake setting ZANVO_SERVICE_BASE_URL; the
// default build names the local service of tools/service on 127.0.0.1).
#include <string>

const std::wstring& ServiceBaseUrl();

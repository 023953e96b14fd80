#pragma once
// The test run's local vendor services (ctest fixtures, tools/service) and
// small WinINet helpers to steer them.
#include <cstdint>
#include <string>
#include <vector>

// The service on a port chosen when the test run started.
std::wstring NetServiceBase();
// Its TLS listener, with a self-signed certificate.
std::wstring NetServiceTlsBase();

// The WinINet codes of a refused server certificate: what the TLS listener's
// self-signed certificate gives, and only a real TLS handshake can give.
bool IsCertificateRefusal(int32_t code);

// GET with WinINet; the body, or an empty text after a failure the test reports.
std::string HttpGetBody(const std::wstring& url);

// Defines the answer for `path` (options as tools/service/vendor_service.py
// documents them); returns the body's SHA-256 in lower-case hexadecimal.
std::wstring DefineRoute(const std::wstring& base, const std::wstring& path, const std::wstring& options);

// Requests the service recorded, path and query, in order.
std::vector<std::string> RecordedRequests(const std::wstring& base);
// Those of them whose path starts with `prefix`.
std::vector<std::string> RecordedRequestsFor(const std::wstring& base, const std::string& prefix);
void ResetService(const std::wstring& base);

// An address on which nothing listens: connections are refused at once.
std::wstring ClosedPortUrl(const std::wstring& path);

// A path unique to the running test, so tests never see each other's routes.
std::wstring UniquePath(const std::wstring& name);

// A plain HTTP GET for `kervosta-cli page`: redirects followed, a time limit on every wait, a
// size limit on the body. Addresses with https:// are refused: the tool carries no TLS.
#pragma once

#include <chrono>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace kervosta::cli {

class HttpKlaida : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct HttpAtsakymas {
  std::string TurinioTipas;  // the Content-Type header
  std::string Kunas;
};

struct HttpRibos {
  std::chrono::milliseconds Laukimas{30000};  // the longest wait for a connection or data
  std::size_t Dydis = 20 * 1024 * 1024;       // the largest body accepted
  int Nukreipimai = 5;
};

// The body of a 2xx reply; any other outcome is an HttpKlaida that says what went wrong.
HttpAtsakymas GautiHttp(const std::string& adresas, const HttpRibos& ribos = {});

}  // namespace kervosta::cli

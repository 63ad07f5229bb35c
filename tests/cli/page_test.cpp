// kervosta-cli page: a page from a file and from a small HTTP server of the test's own.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <map>
#include <thread>

#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

// Answers on 127.0.0.1 with the reply kept for each path, "404" for any other, until stopped.
class VietinisServeris {
 public:
  explicit VietinisServeris(std::map<std::string, std::string> atsakymai)
      : atsakymai_(std::move(atsakymai)) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adresas{};
    adresas.sin_family = AF_INET;
    adresas.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t ilgis = sizeof adresas;
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&adresas), ilgis) != 0 || ::listen(fd_, 8) != 0 ||
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&adresas), &ilgis) != 0)
      ADD_FAILURE() << "cannot listen on 127.0.0.1";
    prievadas_ = ntohs(adresas.sin_port);
    gija_ = std::thread([this] { Aptarnauti(); });
  }
  ~VietinisServeris() {
    ::shutdown(fd_, SHUT_RDWR);
    ::close(fd_);
    gija_.join();
  }
  std::string Adresas(const std::string& kelias) const {
    return "http://127.0.0.1:" + std::to_string(prievadas_) + kelias;
  }

 private:
  void Aptarnauti() {
    for (;;) {
      const int klientas = ::accept(fd_, nullptr, nullptr);
      if (klientas < 0) return;
      std::string uzklausa;
      char buferis[4096];
      ssize_t n;
      while (uzklausa.find("\r\n\r\n") == std::string::npos &&
             (n = ::recv(klientas, buferis, sizeof buferis, 0)) > 0)
        uzklausa.append(buferis, static_cast<std::size_t>(n));
      const std::string kelias = uzklausa.substr(4, uzklausa.find(' ', 4) - 4);
      const auto rasta = atsakymai_.find(kelias);
      const std::string atsakymas = rasta != atsakymai_.end()
                                        ? rasta->second
                                        : "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n";
      ::send(klientas, atsakymas.data(), atsakymas.size(), MSG_NOSIGNAL);
      ::close(klientas);
    }
  }

  std::map<std::string, std::string> atsakymai_;
  int fd_ = -1;
  int prievadas_ = 0;
  std::thread gija_;
};

using Page = Paleidimas;

constexpr char Zodziai[] =
    "pos=1\ten=house|house|houses\tlt=namas\tstem=nam\n"
    "pos=5\ten=big|big|bigger|biggest\tlt=didelis\tstem=didel\tp1=2\tp2=3\n"
    "pos=7\ten=the\n";

TEST_F(Page, AFileIsTranslatedBetweenItsTagsAndWrittenAsUtf8) {
  Zodynas("main.zod", Zodziai);
  // Windows-1257 bytes, as the page declares.
  Rasyti("page.html", "<meta charset=windows-1257><p title=\"house\">The house &amp; \xE0.</p>"
                      "<script>house</script>");
  const Rezultatas r = Paleisti("page page.html");
  EXPECT_EQ(r.Busena, 0) << r.Klaidos;
  EXPECT_EQ(r.Isvestis,
            "<meta charset=utf-8><p title=\"house\">Namas &amp; ą.</p><script>house</script>");
  EXPECT_THAT(Paleisti("page missing.html").Klaidos, HasSubstr("cannot read 'missing.html'"));
}

TEST_F(Page, AnAddressIsFetchedFollowingRedirectsAndEveryFailureIsOneLine) {
  Zodynas("main.zod", Zodziai);
  VietinisServeris serveris({
      {"/page", "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                "Transfer-Encoding: chunked\r\n\r\n5\r\n<p>th\r\n8\r\ne house.\r\n0\r\n\r\n"},
      {"/old", "HTTP/1.1 301 Moved\r\nLocation: /page\r\nContent-Length: 0\r\n\r\n"},
      {"/loop", "HTTP/1.1 302 Found\r\nLocation: /loop\r\n\r\n"},
      {"/junk", "this is not http"},
  });
  for (const char* kelias : {"/page", "/old"}) {
    const Rezultatas r = Paleisti("page " + serveris.Adresas(kelias));
    EXPECT_EQ(r.Busena, 0) << kelias << r.Klaidos;
    EXPECT_EQ(r.Isvestis, "<p>Namas.") << kelias;
  }
  const std::pair<const char*, const char*> klaidos[] = {
      {"/missing", "the server answered 404 Not Found"},
      {"/loop", "too many redirects"},
      {"/junk", "the server's reply is not HTTP"},
  };
  for (const auto& [kelias, klaida] : klaidos) {
    const Rezultatas r = Paleisti("page " + serveris.Adresas(kelias));
    EXPECT_EQ(r.Busena, 2) << kelias;
    EXPECT_EQ(r.Klaidos, std::string("kervosta-cli page: ") + klaida + "\n") << kelias;
  }
  EXPECT_THAT(Paleisti("page https://127.0.0.1/").Klaidos, HasSubstr("https addresses are not"));
}

}  // namespace
}  // namespace kervosta::bandymai

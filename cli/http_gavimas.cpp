#include "cli/http_gavimas.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace kervosta::cli {

namespace {

struct Adresas {
  std::string Serveris;
  std::string Prievadas = "80";
  std::string Kelias = "/";
};

std::string Mazosiomis(std::string tekstas) {
  std::transform(tekstas.begin(), tekstas.end(), tekstas.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tekstas;
}

Adresas Isskaidyti(const std::string& adresas) {
  const std::string mazos = Mazosiomis(adresas.substr(0, 8));
  if (mazos.starts_with("https://"))
    throw HttpKlaida("https addresses are not supported here; save the page and translate the file");
  if (!mazos.starts_with("http://")) throw HttpKlaida("not an http:// address: '" + adresas + "'");
  Adresas a;
  const std::string likutis = adresas.substr(7);
  const std::size_t kelias = likutis.find_first_of("/?#");
  std::string serveris = likutis.substr(0, kelias);
  if (kelias != std::string::npos) a.Kelias = likutis.substr(kelias);
  if (a.Kelias.starts_with("?")) a.Kelias.insert(0, "/");
  if (const std::size_t grotos = a.Kelias.find('#'); grotos != std::string::npos) a.Kelias.resize(grotos);
  if (a.Kelias.empty()) a.Kelias = "/";
  if (const std::size_t dvitaskis = serveris.rfind(':');
      dvitaskis != std::string::npos && serveris.find(']') == std::string::npos) {
    a.Prievadas = serveris.substr(dvitaskis + 1);
    serveris.resize(dvitaskis);
  }
  if (serveris.size() > 2 && serveris.front() == '[' && serveris.back() == ']')
    serveris = serveris.substr(1, serveris.size() - 2);
  if (serveris.empty()) throw HttpKlaida("no host in '" + adresas + "'");
  a.Serveris = serveris;
  return a;
}

class Lizdas {
 public:
  explicit Lizdas(int fd) : fd_(fd) {}
  Lizdas(const Lizdas&) = delete;
  Lizdas& operator=(const Lizdas&) = delete;
  ~Lizdas() {
    if (fd_ >= 0) ::close(fd_);
  }
  int fd() const { return fd_; }

 private:
  int fd_;
};

// Waits for the socket to be ready; false when the time ran out.
bool Laukti(int fd, short ivykis, std::chrono::milliseconds laikas) {
  pollfd p{fd, ivykis, 0};
  for (;;) {
    const int n = ::poll(&p, 1, static_cast<int>(laikas.count()));
    if (n >= 0) return n > 0;
    if (errno != EINTR) throw HttpKlaida(std::string("poll: ") + std::strerror(errno));
  }
}

std::unique_ptr<Lizdas> Prisijungti(const Adresas& a, const HttpRibos& ribos) {
  addrinfo nuorodos{};
  nuorodos.ai_family = AF_UNSPEC;
  nuorodos.ai_socktype = SOCK_STREAM;
  addrinfo* rasta = nullptr;
  if (const int klaida = ::getaddrinfo(a.Serveris.c_str(), a.Prievadas.c_str(), &nuorodos, &rasta))
    throw HttpKlaida("cannot find host '" + a.Serveris + "': " + ::gai_strerror(klaida));
  std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> sarasas(rasta, ::freeaddrinfo);
  std::string priezastis = "no address";
  for (addrinfo* r = rasta; r; r = r->ai_next) {
    auto lizdas = std::make_unique<Lizdas>(::socket(r->ai_family, r->ai_socktype | SOCK_CLOEXEC, 0));
    if (lizdas->fd() < 0) continue;
    ::fcntl(lizdas->fd(), F_SETFL, ::fcntl(lizdas->fd(), F_GETFL) | O_NONBLOCK);
    if (::connect(lizdas->fd(), r->ai_addr, r->ai_addrlen) == 0) return lizdas;
    if (errno != EINPROGRESS) {
      priezastis = std::strerror(errno);
      continue;
    }
    if (!Laukti(lizdas->fd(), POLLOUT, ribos.Laukimas)) {
      priezastis = "timed out";
      continue;
    }
    int klaida = 0;
    socklen_t ilgis = sizeof klaida;
    ::getsockopt(lizdas->fd(), SOL_SOCKET, SO_ERROR, &klaida, &ilgis);
    if (klaida == 0) return lizdas;
    priezastis = std::strerror(klaida);
  }
  throw HttpKlaida("cannot connect to " + a.Serveris + ":" + a.Prievadas + ": " + priezastis);
}

void Siusti(int fd, const std::string& duomenys, const HttpRibos& ribos) {
  for (std::size_t issiusta = 0; issiusta < duomenys.size();) {
    if (!Laukti(fd, POLLOUT, ribos.Laukimas)) throw HttpKlaida("timed out sending the request");
    const ssize_t n = ::send(fd, duomenys.data() + issiusta, duomenys.size() - issiusta, MSG_NOSIGNAL);
    if (n < 0 && errno != EINTR && errno != EAGAIN) throw HttpKlaida(std::string("send: ") + std::strerror(errno));
    if (n > 0) issiusta += static_cast<std::size_t>(n);
  }
}

// Everything the server sends until it closes the connection.
std::string Skaityti(int fd, const HttpRibos& ribos) {
  std::string atsakymas;
  char buferis[1 << 16];
  for (;;) {
    if (!Laukti(fd, POLLIN, ribos.Laukimas)) throw HttpKlaida("timed out waiting for the server");
    const ssize_t n = ::recv(fd, buferis, sizeof buferis, 0);
    if (n == 0) return atsakymas;
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      throw HttpKlaida(std::string("recv: ") + std::strerror(errno));
    }
    atsakymas.append(buferis, static_cast<std::size_t>(n));
    if (atsakymas.size() > ribos.Dydis + 65536) throw HttpKlaida("the page is larger than the limit");
  }
}

struct Atsakymas {
  int Busena = 0;
  std::string Priezastis;
  std::string Antrastes;  // lower-cased header lines
  std::string Originalios;  // header lines as sent
  std::string Kunas;
};

// The value of a header, as the server wrote it; empty when absent.
std::string Antraste(const Atsakymas& a, const std::string& vardas) {
  const std::string raktas = "\n" + vardas + ":";
  const std::size_t vieta = a.Antrastes.find(raktas);
  if (vieta == std::string::npos) return {};
  std::size_t pradzia = vieta + raktas.size();
  const std::size_t pabaiga = a.Antrastes.find('\n', pradzia);
  while (pradzia < pabaiga && (a.Originalios[pradzia] == ' ' || a.Originalios[pradzia] == '\t')) ++pradzia;
  std::string reiksme = a.Originalios.substr(pradzia, pabaiga - pradzia);
  while (!reiksme.empty() && (reiksme.back() == '\r' || reiksme.back() == ' ')) reiksme.pop_back();
  return reiksme;
}

std::string Dalimis(std::string_view kunas) {
  std::string rezultatas;
  std::size_t i = 0;
  for (;;) {
    const std::size_t eilute = kunas.find("\r\n", i);
    if (eilute == std::string_view::npos) throw HttpKlaida("a broken chunked reply");
    std::size_t dydis = 0;
    const std::string_view sesioliktainis = kunas.substr(i, eilute - i);
    for (char c : sesioliktainis) {
      if (c == ';' || c == ' ') break;
      const int skaitmuo = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                           : (c | 0x20) >= 'a' && (c | 0x20) <= 'f' ? (c | 0x20) - 'a' + 10
                                                                    : -1;
      if (skaitmuo < 0 || dydis > (std::size_t(1) << 40)) throw HttpKlaida("a broken chunked reply");
      dydis = dydis * 16 + static_cast<std::size_t>(skaitmuo);
    }
    i = eilute + 2;
    if (dydis == 0) return rezultatas;
    if (kunas.size() - i < dydis) throw HttpKlaida("a broken chunked reply");
    rezultatas.append(kunas.substr(i, dydis));
    i += dydis + 2;
    if (i > kunas.size()) throw HttpKlaida("a broken chunked reply");
  }
}

Atsakymas Isnagrineti(std::string atsakymas) {
  const std::size_t pabaiga = atsakymas.find("\r\n\r\n");
  if (!atsakymas.starts_with("HTTP/") || pabaiga == std::string::npos)
    throw HttpKlaida("the server's reply is not HTTP");
  Atsakymas a;
  const std::size_t pirma = atsakymas.find("\r\n");
  const std::string busena = atsakymas.substr(0, pirma);
  const std::size_t tarpas = busena.find(' ');
  if (tarpas == std::string::npos) throw HttpKlaida("the server's reply is not HTTP");
  a.Busena = std::atoi(busena.c_str() + tarpas + 1);
  const std::size_t antras = busena.find(' ', tarpas + 1);
  a.Priezastis = antras == std::string::npos ? "" : busena.substr(antras + 1);
  a.Originalios = atsakymas.substr(pirma, pabaiga - pirma + 2);
  a.Antrastes = Mazosiomis(a.Originalios);
  a.Kunas = atsakymas.substr(pabaiga + 4);
  if (Mazosiomis(Antraste(a, "transfer-encoding")).find("chunked") != std::string::npos)
    a.Kunas = Dalimis(a.Kunas);
  return a;
}

// A Location may be absolute or relative to the server.
std::string KitasAdresas(const Adresas& dabartinis, const std::string& vieta) {
  if (vieta.find("://") != std::string::npos) return vieta;
  const std::string serveris = "http://" + dabartinis.Serveris + ":" + dabartinis.Prievadas;
  if (vieta.starts_with("/")) return serveris + vieta;
  const std::size_t paskutinis = dabartinis.Kelias.rfind('/');
  return serveris + dabartinis.Kelias.substr(0, paskutinis + 1) + vieta;
}

}  // namespace

HttpAtsakymas GautiHttp(const std::string& pradinis, const HttpRibos& ribos) {
  std::string adresas = pradinis;
  for (int nukreipimas = 0;; ++nukreipimas) {
    const Adresas a = Isskaidyti(adresas);
    const auto lizdas = Prisijungti(a, ribos);
    Siusti(lizdas->fd(),
           "GET " + a.Kelias + " HTTP/1.1\r\nHost: " + a.Serveris +
               (a.Prievadas == "80" ? "" : ":" + a.Prievadas) +
               "\r\nUser-Agent: kervosta-cli\r\nAccept: text/html, */*\r\nConnection: close\r\n\r\n",
           ribos);
    Atsakymas atsakymas = Isnagrineti(Skaityti(lizdas->fd(), ribos));
    if (atsakymas.Busena >= 300 && atsakymas.Busena < 400 && !Antraste(atsakymas, "location").empty()) {
      if (nukreipimas >= ribos.Nukreipimai) throw HttpKlaida("too many redirects");
      adresas = KitasAdresas(a, Antraste(atsakymas, "location"));
      continue;
    }
    if (atsakymas.Busena < 200 || atsakymas.Busena >= 300)
      throw HttpKlaida("the server answered " + std::to_string(atsakymas.Busena) +
                       (atsakymas.Priezastis.empty() ? "" : " " + atsakymas.Priezastis));
    if (atsakymas.Kunas.size() > ribos.Dydis) throw HttpKlaida("the page is larger than the limit");
    return {Antraste(atsakymas, "content-type"), std::move(atsakymas.Kunas)};
  }
}

}  // namespace kervosta::cli

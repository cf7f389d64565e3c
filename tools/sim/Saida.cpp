#include "Saida.h"

#include <cstdio>
#include <ctime>

void EscreverLinha(const std::string& linha) {
  std::fwrite(linha.data(), 1, linha.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void EscreverErro(const std::string& linha) {
  std::fprintf(stderr, "brivana-sim: %s\n", linha.c_str());
}

std::int64_t AgoraNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

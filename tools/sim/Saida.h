#pragma once

#include <cstdint>
#include <string>

// One line on standard output, flushed at once: tests wait on these lines.
void EscreverLinha(const std::string& linha);
// One line on standard error.
void EscreverErro(const std::string& linha);

// CLOCK_MONOTONIC in nanoseconds.
std::int64_t AgoraNs();

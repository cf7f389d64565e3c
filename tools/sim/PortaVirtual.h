#pragma once

#include <memory>
#include <string>

// One pseudo-terminal standing in for a serial port: the master is the device's end, the slave
// is what the program opens, published as a symbolic link. We keep a slave descriptor of our
// own open for the whole life of the port, so the program can open and close its end as often
// as it likes without the master ever seeing a hang-up.
class PortaVirtual {
 public:
  // Opens the pseudo-terminal (raw, 115200 8N2, master non-blocking in packet mode) and
  // publishes the link, replacing a stale link of an earlier run. Null with erro set on failure.
  static std::unique_ptr<PortaVirtual> Criar(const std::string& link, std::string& erro);
  ~PortaVirtual();

  PortaVirtual(const PortaVirtual&) = delete;
  PortaVirtual& operator=(const PortaVirtual&) = delete;

  int mestre() const { return mestre_; }
  const std::string& escravo() const { return escravo_; }
  const std::string& link() const { return link_; }

  // The cable is pulled: both ends closed, the link removed. Idempotent.
  void fechar();

 private:
  PortaVirtual() = default;

  int mestre_ = -1;
  int escravoAberto_ = -1;
  std::string escravo_;
  std::string link_;
};

#pragma once
// JSON output: RapidJSON's writer appending to a std::string.
#include <rapidjson/writer.h>

#include <string>
#include <string_view>

namespace quorvex {

// Output stream for rapidjson::Writer; the destination can be switched, so one
// writer serves many buffers.
class SalidaTexto {
 public:
  using Ch = char;
  explicit SalidaTexto(std::string& destino) : destino_(&destino) {}
  void Put(char c) { destino_->push_back(c); }
  void Flush() {}
  void Cambia(std::string& destino) { destino_ = &destino; }

 private:
  std::string* destino_;
};

using EscritorJson = rapidjson::Writer<SalidaTexto>;

// Appends the text as a JSON string literal.
void AgregaTextoJson(std::string& destino, std::string_view texto);

// Appends the number as the writer writes it ("25.0", "0.1", "1e21"): the
// shortest digits that read back as the same double; null when not finite.
void AgregaDobleJson(std::string& destino, double d);

// {"error":"<mensaje>"}, the body of every failed call.
std::string ObjetoError(std::string_view mensaje);

}  // namespace quorvex

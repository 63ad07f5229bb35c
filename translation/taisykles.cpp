#include "translation/taisykles.h"

namespace kervosta {

TRule& DabartineTaisykle::Sukurti() {
  taisykle_ = std::make_unique<TRule>();
  return *taisykle_;
}

}  // namespace kervosta

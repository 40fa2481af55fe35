#include "core/shell/form1.h"

namespace q6 {

void TForm1::Produktdatenladen1Click() { OpenSettingsFile(kProductDataFile, PathConfig); }
void TForm1::Produktdatenspeichern1Click() { SaveSettingsFileAs(kProductDataFile, PathConfig); }
bool TForm1::LoadProductData(const std::string& path) {
  return LoadSettingsFile(path, kProductDataFile);
}
void TForm1::SaveProductData(const std::string& path) { SaveSettingsFile(path, kProductDataFile); }

}  // namespace q6

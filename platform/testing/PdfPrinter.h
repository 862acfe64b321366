#pragma once
// The printer tests print on: the machine has none, so a high-resolution printer writing one
// PDF file.

#include <QString>

#include <memory>

class QPrinter;

namespace platform {

std::unique_ptr<QPrinter> MakePdfPrinter(const QString& pdfPath);

} // namespace platform

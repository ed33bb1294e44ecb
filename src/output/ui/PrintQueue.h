// Hands a finished job, written as a PDF, to the printer's queue with the choices of the printer
// dialog (paper, copies, sides, orientation, the printer's own options).
#pragma once

#include <string>

class QPrinter;

namespace mcb {

// False with the queue's reason (Windows-1251) when the job was refused.
bool SubmitToQueue(const QPrinter& printer, const std::string& pdfPath, std::string& reason);

} // namespace mcb

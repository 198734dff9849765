// Saving the shown document as an image, a PDF or an SVG file of the user's choice, and
// printing it.
#pragma once

class DocumentMetaData;

/// Asks for a file name, starting at the document's folder and name, and writes the model's
/// page as the format its suffix names in any case (PNG, JPG/JPEG, BMP, TIF/TIFF, PDF, SVG).
/// A name typed without a suffix takes the suffix of the filter chosen, after asking before
/// it replaces a file of that name. False when the user cancels, when the suffix names no
/// format that can be written (said in a message, nothing written) or when the save fails
/// (reported by the save). Call on the user-interface thread.
bool saveAsOtherFormat(const DocumentMetaData &metadata);

/// Prints the model's scene rectangle on one A4 page of the printer that printers() directs
/// to, without a print dialog. A missing printer, a missing default printer or a printer
/// that does not start is said in a message; the result is then false. Call on the
/// user-interface thread.
bool printDocument(const DocumentMetaData &metadata);

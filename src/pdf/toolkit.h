#pragma once

#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "pdf/model/document.h"

class TPDFFont;
class TPDFImage;

// Facade of the PDF writer. Operations act on the selected document and its selected page; they never
// throw: failures answer 0 (or nullptr / an empty text) and LastErrorCode() tells why where it can.
// Coordinates and sizes are in the selected document's units; texts are Windows-1252 bytes.
class TPDFToolkit {
public:
    static constexpr int ErrorEncrypted = 201;
    static constexpr int ErrorIndexOutOfRange = 202;

    TPDFToolkit();
    ~TPDFToolkit();
    TPDFToolkit(const TPDFToolkit&) = delete;
    TPDFToolkit& operator=(const TPDFToolkit&) = delete;

    // Documents.
    TPDFDocument* NewDocument();
    int SelectDocument(TPDFDocument* document);
    TPDFDocument* SelectedDocument() const { return selectedDocument; }
    int RemoveDocument(TPDFDocument* document);

    // Pages.
    int PageCount();
    int NewPage();
    void SelectPage(int pageNumber);
    int SetPageSize(const std::string& name);
    double PageWidth();
    double PageHeight();

    // Units and origin.
    int SetMeasurementUnits(int units);
    int SetOrigin(int origin);

    // Information entries.
    int SetInformation(int index, const std::string& text);
    std::string GetInformation(int index);
    int SetCustomInformation(const std::string& key, const std::string& text);
    std::string GetCustomInformation(const std::string& key);

    int CompressImages(int flag);
    int SaveToFile(const std::string& fileName);
    int LastErrorCode() const { return lastError; }

    // Standard fonts and text.
    TPDFFont* AddStandardFont(int index);
    int SelectFont(TPDFFont* font);
    int SetTextSize(double size);
    int SetTextAlign(int code);
    double GetTextHeight();
    int DrawRotatedText(double left, double top, double angle, const std::string& text);

    // Images.
    TPDFImage* AddImageFromFile(const std::string& fileName, int pageIndex);
    TPDFImage* AddImageFromStream(std::istream& stream, int pageIndex);
    int SelectImage(TPDFImage* image);
    int DrawImage(double left, double top, double width, double height);
    int FitImage(double left, double top, double width, double height, int horizontalAlign, int verticalAlign,
                 int rotation);

    // Loading and printing.
    int LoadFromFile(const std::string& fileName);
    int PrintOptions(int pageScaling, int autoRotateCenter, const std::string& jobTitle);
    int PrintDocument(const std::string& printerName, int firstPage, int lastPage, int options);

    // Read-only views for callers and tests.
    const std::vector<std::unique_ptr<TPDFDocument>>& Documents() const { return documents; }
    TPDFFont* SelectedFont() const { return selectedFont; }
    TPDFImage* SelectedImage() const { return selectedImage; }
    const std::string& TempDirectory() const { return tempDirectory; }

private:
    // Appends a document (new or loaded) to the list and selects it.
    void AdoptDocument(std::unique_ptr<TPDFDocument> document);
    // Selects a document of the list with its first image and first font.
    void MakeSelected(TPDFDocument* document);
    bool Owns(const TPDFDocument* document) const;
    // Registers the selected font on the selected page and sets the builder's font at size 12.
    void ApplySelectedFont();
    // Adds Helvetica when the selected document has no font yet.
    void EnsureFont();

    std::vector<std::unique_ptr<TPDFDocument>> documents;
    TPDFDocument* selectedDocument = nullptr;
    TPDFImage* selectedImage = nullptr;
    TPDFFont* selectedFont = nullptr;
    int lastError = 0;
    std::string tempDirectory;
    std::vector<std::string> printJobTitles; // appended to by PrintOptions
};

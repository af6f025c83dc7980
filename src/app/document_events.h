#pragma once
// What the rest of the program (the main window, reminders, subscriptions) hears about the open
// document. The main window installs its listener; without one, nothing listens.
class CDvDoc;

class DvDocumentEvents {
public:
    virtual ~DvDocumentEvents() = default;
    /// After a successful open: recompute what depends on the document, restore the view when
    /// asked, and send the reminders "opened".
    virtual void DocumentOpened(CDvDoc& doc, bool restoreView) { (void)doc, (void)restoreView; }
    /// Before a save: store the subscriptions and the recent folder, item and panels.
    virtual void DocumentSaving(CDvDoc& doc) { (void)doc; }
    /// Before the document is cleared at close: the reminders hear "closing".
    virtual void DocumentClosing(CDvDoc& doc) { (void)doc; }
};

DvDocumentEvents& DvEvents();
void DvSetDocumentEvents(DvDocumentEvents* events);

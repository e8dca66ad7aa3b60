#pragma once
// Dialogs from templates, modal (DoModal, with PreTranslateMessage) or modeless (Create).
#include "framework/Window.h"

namespace fw {

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr)
        : m_templateId(templateId), m_hParent(parent) {}
    ~CDialog() override;

    // Runs the dialog modally with its own message loop; returns the EndDialog result, or
    // -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modelessly (used by tests to drive it with messages).
    bool Create(HWND parent = nullptr);
    bool CreateIndirect(const DLGTEMPLATE* dialogTemplate, HWND parent = nullptr);

    // Ends the dialog: a modal loop returns `result`; a modeless dialog stays as it is and
    // only records it (IsEnded, GetResult).
    void EndDialog(INT_PTR result);
    bool IsEnded() const { return m_bEnded; }
    INT_PTR GetResult() const { return m_nResult; }
    UINT GetTemplateId() const { return m_templateId; }

    BOOL PreTranslateMessage(MSG* msg) override;

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    // Binds controls to members (SubclassDlgItem); called by CDialog::OnInitDialog.
    virtual void DoDataExchange() {}
    bool Bind(UINT id, CWnd& control) { return control.SubclassDlgItem(id, m_hWnd); }

    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    UINT m_templateId;
    HWND m_hParent;
    bool m_bModal = false;
    bool m_bEnded = false;
    INT_PTR m_nResult = 0;
};

// The module whose resources the dialogs and strings are loaded from.
HINSTANCE ResourceInstance();

}  // namespace fw

// A stand-in for Windows' uiautomationcore.dll that writes down what the program tells UI Automation, for the
// Windows play test: one line for each event Qt's bridge raises, with the element's control type and name.
//
// Every line is tab-separated: what was raised, a number that says which (the event's, the property's, the
// notification's processing, or for the first contact the object asked for), the element's control type, its
// name, and the text the event carries (a notification's, a property's new string value). The file is the one
// PAIRFINDER_UIA_LOG names; without it nothing is written.

// Windows' own header first: the others build on its types.
// clang-format off
#include <windows.h>
#include <oleauto.h>
#include <uiautomationcore.h>
// clang-format on

#include <string>

namespace {

// The ids UI Automation documents; mingw-w64's headers have them only with its client API, which this is not.
constexpr PROPERTYID NameProperty = 30005;
constexpr PROPERTYID ControlTypeProperty = 30003;

std::string Utf8(const wchar_t* text, int length) {
    if (!text || length == 0) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
    return result;
}

std::string Utf8(BSTR text) {
    return text ? Utf8(text, static_cast<int>(SysStringLen(text))) : std::string();
}

// What the element says of itself, as a reader would ask it: a number or a text, empty when it says nothing.
std::string Property(IRawElementProviderSimple* element, PROPERTYID id) {
    if (!element) return {};
    VARIANT value;
    VariantInit(&value);
    std::string result;
    if (SUCCEEDED(element->GetPropertyValue(id, &value))) {
        if (value.vt == VT_I4) result = std::to_string(value.lVal);
        if (value.vt == VT_BSTR) result = Utf8(value.bstrVal);
    }
    VariantClear(&value);
    return result;
}

std::string Text(const VARIANT& value) {
    return value.vt == VT_BSTR ? Utf8(value.bstrVal) : std::string();
}

void Record(const char* what, long long number, IRawElementProviderSimple* element, const std::string& text) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"PAIRFINDER_UIA_LOG", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    const std::string line = std::string(what) + '\t' + std::to_string(number) + '\t' +
                             Property(element, ControlTypeProperty) + '\t' + Property(element, NameProperty) +
                             '\t' + text + '\n';
    // Opened for each line and closed again, so that a reader of the file sees every line as soon as it is
    // raised, and a program that is killed loses none.
    const HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

// The exports carry the names Qt's bridge resolves (see uiautomationcore.def).
extern "C" {

// A reader listens, or Qt's bridge would raise nothing at all.
BOOL WINAPI StandInClientsAreListening() {
    return TRUE;
}

// A client's first contact with a window: the bridge hands over the window's root element. No client takes it
// from here, so nothing is returned to the sender.
LRESULT WINAPI StandInReturnRawElementProvider(HWND, WPARAM, LPARAM object, IRawElementProviderSimple* root) {
    Record("contact", object, root, {});
    return 0;
}

// A host element is asked for only by a client walking the tree, which none does here.
HRESULT WINAPI StandInHostProviderFromHwnd(HWND, IRawElementProviderSimple** host) {
    if (host) *host = nullptr;
    return S_OK;
}

HRESULT WINAPI StandInRaiseAutomationEvent(IRawElementProviderSimple* element, EVENTID event) {
    Record("event", event, element, {});
    return S_OK;
}

HRESULT WINAPI StandInRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple* element,
                                                          PROPERTYID property, VARIANT, VARIANT now) {
    Record("property", property, element, Text(now));
    return S_OK;
}

HRESULT WINAPI StandInRaiseNotificationEvent(IRawElementProviderSimple* element, int, int processing,
                                             BSTR text, BSTR) {
    Record("notification", processing, element, Utf8(text));
    return S_OK;
}

}  // extern "C"

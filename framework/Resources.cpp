// Resources from Qt's resource system, read in place when stored without compression, and the message-box hook.
#include "framework/Resources.h"

#include <QResource>
#include <cstdio>

namespace {
const CResourceModule executableModule;
HINSTANCE currentModule = &executableModule;

MessageBoxHandler messageBoxHandler = [](const CString& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  return IDOK;
};
}  // namespace

ResourceBytes CResourceModule::FindResource(int name, int type) const {
  // A missing resource has no data and size 0.
  const QResource resource(QStringLiteral(":/res/%1/%2").arg(type).arg(name));
  const bool inPlace = resource.compressionAlgorithm() == QResource::NoCompression;
  return {inPlace ? reinterpret_cast<const char*>(resource.data()) : nullptr, static_cast<DWORD>(resource.size())};
}

HINSTANCE AfxGetResourceHandle() {
  return currentModule;
}

void AfxSetResourceHandle(HINSTANCE module) {
  currentModule = module;
}

int AfxMessageBox(const char* text, UINT /*type: always OK*/, UINT /*helpId: no help*/) {
  return messageBoxHandler(CString(text));
}

MessageBoxHandler AfxSetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(messageBoxHandler, std::move(handler));
}

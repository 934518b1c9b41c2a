// Resources of the executable, compiled in through Qt's resource system without compression.
#include "framework/Resources.h"

#include <QDir>
#include <QResource>

namespace {
// Qt keeps an uncompressed resource in the executable's image, so its bytes are read where they lie.
class ExecutableModule final : public CResourceModule {
public:
  ResourceBytes find(int name, int type) const override {
    const QResource resource(QStringLiteral(":/res/%1/%2").arg(type).arg(name));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) return {};
    return {reinterpret_cast<const char*>(resource.data()), static_cast<DWORD>(resource.size())};
  }
};

const ExecutableModule executableModule;
HINSTANCE currentModule = &executableModule;
}  // namespace

HINSTANCE AfxGetResourceHandle() { return currentModule; }

void AfxSetResourceHandle(HINSTANCE module) { currentModule = module ? module : &executableModule; }

ResourceBytes FindResourceBytes(HINSTANCE module, int name, int type) {
  return module ? module->find(name, type) : ResourceBytes{};
}

HICON loadIconResource(UINT id) {
  HICON icon;
  const QDir group(QStringLiteral(":/res/icon/%1").arg(id));
  for (const QString& size : group.entryList(QDir::Files)) icon.addFile(group.filePath(size));
  return icon;
}

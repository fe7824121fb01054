#include "platform/metadata/FolderFacts.h"

#include "platform/metadata/FactsPool.h"

namespace platform::metadata {
namespace {

// Each worker writes only the elements of the files it read; the pool's end orders those writes before
// the caller reads them.
class FillingSink : public FactsSink {
public:
    explicit FillingSink(std::vector<FileFacts>& facts) : facts_(facts) {}
    void Arrived(std::size_t index, FileFacts facts) override { facts_[index] = std::move(facts); }
    void Finished(bool) override {}

private:
    std::vector<FileFacts>& facts_;
};

} // namespace

std::vector<FileFacts> ReadFolderFacts(FileFactsReader& reader, const std::string& folder,
                                       const std::vector<std::string>& names, FactSet wanted) {
    std::vector<FileFacts> facts(names.size());
    if (wanted.none())
        return facts;
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const std::string& name : names)
        paths.push_back(folder + "/" + name);
    FillingSink sink(facts);
    FactsPool pool(reader, std::move(paths), wanted, sink);
    pool.Wait();
    return facts;
}

} // namespace platform::metadata

// dayvault-sample-db FOLDER COUNT [SEED]: writes a generated database into FOLDER.
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "core/doc.h"
#include "sample_database.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: dayvault-sample-db FOLDER COUNT [SEED]\n");
        return 1;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder / "backups");
    CDvDoc doc;
    DvFillSampleDatabase(doc, std::atoi(argv[2]), argc > 3 ? static_cast<uint32_t>(std::atoi(argv[3])) : 1u);
    return doc.Save(folder / "_main_data.dayvault") ? 0 : 2;
}

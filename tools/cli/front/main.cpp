// tolvane-cli: the rhyming dictionary's lookups on the command line. lex runs here without Qt;
// every other command is in the module beside this program.
#include "CommandModule.h"
#include "LexCommand.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The program's own folder, ending in "/", wherever it is started from.
std::string OwnFolder(const char *argv0)
{
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    path = length > 0 ? path.substr(0, std::size_t(length)) : std::string(argv0 ? argv0 : "");
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

int RunLex(const std::string &dataDir, std::vector<std::string> args)
{
    // The user's locale, as Qt sets it for the other commands: the system's reasons (a file
    // that cannot be opened) come in the user's language.
    std::setlocale(LC_ALL, "");
    try {
        return TLexCommand(dataDir, std::cout, std::cerr).Run(args);
    } catch (const std::exception &e) {
        std::cerr << "tolvane-cli: " << e.what() << '\n';
        return 2;
    }
}

int RunCommandModule(int argc, char **argv)
{
    // Only the one beside this program: no search path may bring in another.
    const std::string path = OwnFolder(argv[0]) + CliCommandsModule;
    void *module = ::dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    const auto entry =
        module ? reinterpret_cast<TCliCommandsEntry>(::dlsym(module, CliCommandsSymbol)) : nullptr;
    if (!entry) {
        const char *reason = ::dlerror();
        std::cerr << "tolvane-cli: cannot load its commands: " << (reason ? reason : path) << '\n';
        return 2;
    }
    return entry(argc, argv);
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    std::size_t command = 0;
    std::string dataDir;
    if (args.size() >= 2 && args[0] == "--data") {
        dataDir = args[1];
        if (dataDir.empty() || dataDir.back() != '/')
            dataDir += '/';
        command = 2;
    }
    if (command < args.size() && args[command] == "lex")
        return RunLex(command == 0 ? OwnFolder(argv[0]) : dataDir,
                      {args.begin() + std::ptrdiff_t(command) + 1, args.end()});
    return RunCommandModule(argc, argv);
}

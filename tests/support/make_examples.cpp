// Writes the example projects into a folder: cargolyx-make-examples DIR

#include <iostream>

#include "exampleprojects.h"
#include "model/projectfile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: cargolyx-make-examples DIR\n";
    return 2;
  }
  for (const ExampleProject& example : exampleProjects()) {
    const std::string path = std::string(argv[1]) + "/" + example.fileName;
    std::string error;
    if (!saveProjectFile(path, example.project, &error)) {
      std::cerr << "cannot write " << error << "\n";
      return 1;
    }
    std::cout << "wrote " << path << "\n";
  }
  return 0;
}

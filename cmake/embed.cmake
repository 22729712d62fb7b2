# Turns a file into a C++ source holding its bytes: -DIN=file -DOUT=file.cpp -DNAME=symbol
file(READ "${IN}" HEX HEX)
string(LENGTH "${HEX}" LEN)
math(EXPR SIZE "${LEN} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," BYTES "${HEX}")
file(WRITE "${OUT}" "#include <cstddef>\nextern const char ${NAME}[];\nextern const std::size_t ${NAME}Size;\nconst char ${NAME}[] = {${BYTES} 0};\nconst std::size_t ${NAME}Size = ${SIZE};\n")

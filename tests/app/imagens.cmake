brivana_add_test(tst_imagens LABEL gui GUI SOURCES tst_imagens.cpp)

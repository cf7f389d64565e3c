target_sources(brivana_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/TesteComunicacao.cpp)
target_sources(brivana_gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/untConfCOM.cpp)

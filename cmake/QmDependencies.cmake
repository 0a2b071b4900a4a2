# qm_dependencies(<file.qm> <out-var>): the catalogues a compiled translation
# file loads with itself, as file names without ".qm". The toolkit's
# qt_<locale>.qm holds no translations of its own: it only names its module
# files (qtbase_<locale> and others), and it loads only when every one of
# them lies beside it.
#
# A .qm file is a 16-byte magic followed by sections, each a tag byte, a
# big-endian 32-bit length and that many bytes. The dependency section (tag
# 0x96) is a run of names, each a big-endian 32-bit byte count and UTF-16BE
# text.
function(qm_dependencies qm_file out_var)
    file(READ "${qm_file}" hex HEX)
    string(LENGTH "${hex}" hex_length)
    set(names "")
    set(position 32)
    while(position LESS hex_length)
        string(SUBSTRING "${hex}" ${position} 2 tag)
        math(EXPR length_at "${position} + 2")
        string(SUBSTRING "${hex}" ${length_at} 8 length_hex)
        math(EXPR section_bytes "0x${length_hex}")
        math(EXPR data_at "${position} + 10")
        math(EXPR position "${data_at} + 2 * ${section_bytes}")
        if(tag STREQUAL "96")
            set(entry_at ${data_at})
            while(entry_at LESS position)
                string(SUBSTRING "${hex}" ${entry_at} 8 name_length_hex)
                math(EXPR name_bytes "0x${name_length_hex}")
                math(EXPR char_at "${entry_at} + 8")
                math(EXPR entry_at "${char_at} + 2 * ${name_bytes}")
                set(name "")
                while(char_at LESS entry_at)
                    string(SUBSTRING "${hex}" ${char_at} 4 unit)
                    math(EXPR code "0x${unit}")
                    string(ASCII ${code} char)
                    string(APPEND name "${char}")
                    math(EXPR char_at "${char_at} + 4")
                endwhile()
                list(APPEND names "${name}")
            endwhile()
        endif()
    endwhile()
    set(${out_var} "${names}" PARENT_SCOPE)
endfunction()

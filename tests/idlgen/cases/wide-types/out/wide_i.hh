[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"wide_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<wide_iUtils>
[hh.include.idl] idl_basename=<wide>
[hh.clone] return_type=<Note> arg_type=<Note> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<Note> arg_type=<Note> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<Note> return_type=<ret(NT_struct_fixed Note)> arglist=<[cchh.argument] arg_type=<ret(wchar)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_wstring local type)> arg_name=<arg2>
>
[hh.compare] return_type=<Note> arg_type=<Note> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<Lines> arg_type=<Lines> interface_name=<INTERFACE_NAME> define_id=<NT_wstring> altdefid=<NT_wstring>
[hh.clone.pointer] return_type=<Lines> arg_type=<Lines> define_id=<NT_wstring> altdefid=<NT_wstring>
[hh.make.sequence] make_type=<Lines> return_type=<Lines>
[hh.compare] return_type=<Lines> arg_type=<Lines> interface_name=<INTERFACE_NAME> define_id=<NT_wstring> altdefid=<NT_wstring>
[hh.clone] return_type=<ret(NT_interface Pad)> arg_type=<in(NT_interface Pad)> interface_name=<Pad> define_id=<NT_wstring> altdefid=<NT_wstring>
[hh.compare] return_type=<ret(NT_interface Pad)> arg_type=<in(NT_interface Pad)> interface_name=<Pad> define_id=<NT_wstring> altdefid=<NT_wstring>

[hh.class.begin] class_name=<Pad_i>
[hh.class.members.begin] class_name=<Pad_i>
[hh.class.constructor.begin] return_type=<> function_name=<Pad_i> class_name=<Pad_i>
[hh.class.member.end] class_name=<Pad_i>
[hh.class.member.begin] return_type=<ret(NT_wstring local type)> function_name=<read> class_name=<Pad_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(wchar)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_wstring local type)> arg_name=<w>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_sequence Lines of inout(NT_wstring local type))> arg_name=<l>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Pad_i>
[hh.class.member.begin] return_type=<ret(wchar)> function_name=<mark> class_name=<Pad_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Pad_i>
[hh.class.member.begin] return_type=<void> function_name=<mark> class_name=<Pad_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(wchar)> arg_name=<mark>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Pad_i>
[hh.class.end] class_name=<Pad_i>
[hh.end] header_check=<hTIMEhPIDhN_h>

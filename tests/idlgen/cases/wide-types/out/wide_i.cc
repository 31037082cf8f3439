[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"wide_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<wide_iUtils>
[cc.clone.struct.begin] return_type=<Note> arg_type=<Note>
[cc.clone.struct.field] field_name=<mark> return_type=<ret(wchar)>
[cc.clone.struct.field] field_name=<text> return_type=<ret(NT_wstring local type)>
[cc.clone.struct.end] return_type=<ret(NT_wstring local type)> arg_type=<Note>
[cc.clone.struct.pointer.begin] return_type=<Note> arg_type=<Note>
[cc.clone.struct.pointer.field] field_name=<mark> return_type=<ret(wchar)>
[cc.clone.struct.pointer.field] field_name=<text> return_type=<ret(NT_wstring local type)>
[cc.clone.struct.pointer.end] return_type=<ret(NT_wstring local type)> arg_type=<Note>
[cc.make.struct.begin] make_type=<Note> return_type=<ret(NT_struct_fixed Note)> arglist=<[cchh.argument] arg_type=<ret(wchar)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_wstring local type)> arg_name=<arg2>
>
[cc.make.struct.field] field_name=<mark> arg_name=<arg1>
[cc.make.struct.field] field_name=<text> arg_name=<arg2>
[cc.make.struct.end] make_type=<Note> return_type=<ret(NT_struct_fixed Note)> arglist=<[cchh.argument] arg_type=<ret(wchar)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_wstring local type)> arg_name=<arg2>
>
[cc.compare.struct.begin] return_type=<Note> arg_type=<Note>
[cc.compare.struct.field] field_name=<mark> return_type=<ret(wchar)>
[cc.compare.struct.field] field_name=<text> return_type=<ret(NT_wstring local type)>
[cc.compare.struct.end] return_type=<ret(NT_wstring local type)> arg_type=<Note>
[cc.clone.sequence] return_type=<Lines> arg_type=<Lines> define_id=<NT_wstring> altdefid=<NT_wstring>
[cc.clone.sequence.pointer] return_type=<Lines> arg_type=<Lines> define_id=<NT_wstring> altdefid=<NT_wstring>
[cc.make.sequence] make_type=<Lines> return_type=<Lines> arg_type=<ret(NT_wstring local type)>
[cc.compare.sequence] arg_type=<Lines>
[cc.clone.interface] interface_name=<Pad> return_type=<ret(NT_interface Pad)> arg_type=<in(NT_interface Pad)>
[cc.compare.interface] interface_name=<Pad> return_type=<ret(NT_interface Pad)> arg_type=<in(NT_interface Pad)>
[cc.class.begin] class_name=<Pad_i>
[cc.class.members.begin] class_name=<Pad_i>
[cc.class.member.begin] return_type=<> function_name=<Pad_i> arglist=<> class_name=<Pad_i>
[cc.class.member.body.begin] return_type=<> function_name=<Pad_i> arglist=<> class_name=<Pad_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<ret(NT_wstring local type)> function_name=<read> arglist=<[cchh.argument] arg_type=<in(wchar)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_wstring local type)> arg_name=<w>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_sequence Lines of inout(NT_wstring local type))> arg_name=<l>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Pad_i>
[cc.class.member.body.begin] return_type=<ret(NT_wstring local type)> function_name=<read> arglist=<[cchh.argument] arg_type=<in(wchar)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_wstring local type)> arg_name=<w>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_sequence Lines of inout(NT_wstring local type))> arg_name=<l>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Pad_i>
[cc.class.member.other.stubout] return_type=<ret(NT_wstring local type)>
[cc.class.member.other.dummy_return] return_type=<ret(NT_wstring local type)>
[cc.class.member.end] return_type=<ret(NT_wstring local type)>
[cc.class.member.begin] return_type=<ret(wchar)> function_name=<mark> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Pad_i>
[cc.class.member.body.begin] return_type=<ret(wchar)> function_name=<mark> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Pad_i>
[cc.class.member.number.stubout] return_type=<ret(wchar)>
[cc.class.member.number.dummy_return] return_type=<ret(wchar)>
[cc.class.member.end] return_type=<ret(wchar)>
[cc.class.member.begin] return_type=<void> function_name=<mark> arglist=<[cchh.argument] arg_type=<in(wchar)> arg_name=<mark>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Pad_i>
[cc.class.member.body.begin] return_type=<void> function_name=<mark> arglist=<[cchh.argument] arg_type=<in(wchar)> arg_name=<mark>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Pad_i>
[cc.class.member.void.stubout] return_type=<ret(wchar)>
[cc.class.member.void.dummy_return] return_type=<ret(wchar)>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<wide_i>
[cc.main.stubout] mainclass=<wide_i>
[cc.main.end] mainclass=<wide_i>
[cc.class.end]
[cc.end]

[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"words_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<words_iUtils>
[hh.include.idl] idl_basename=<words>
[hh.declare] interface_name=<_cxx_export._cxx_delete> server_identifier=<obj>
[hh.clone] return_type=<_cxx_export::_cxx_class> arg_type=<_cxx_export::_cxx_class> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<_cxx_export::_cxx_class> arg_type=<_cxx_export::_cxx_class> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<export_class> return_type=<ret(NT_struct_fixed _cxx_export::_cxx_class)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg2>
>
[hh.compare] return_type=<_cxx_export::_cxx_class> arg_type=<_cxx_export::_cxx_class> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<_cxx_export::_cxx_friend> arg_type=<_cxx_export::_cxx_friend> interface_name=<INTERFACE_NAME> define_id=<class> altdefid=<export_class>
[hh.clone.pointer] return_type=<_cxx_export::_cxx_friend> arg_type=<_cxx_export::_cxx_friend> define_id=<class> altdefid=<export_class>
[hh.make.sequence] make_type=<export_friend> return_type=<_cxx_export::_cxx_friend>
[hh.compare] return_type=<_cxx_export::_cxx_friend> arg_type=<_cxx_export::_cxx_friend> interface_name=<INTERFACE_NAME> define_id=<class> altdefid=<export_class>
[hh.clone] return_type=<_cxx_export::_cxx_operator> arg_type=<_cxx_export::_cxx_operator> interface_name=<INTERFACE_NAME> define_id=<class> altdefid=<export_class>
[hh.clone.pointer] return_type=<_cxx_export::_cxx_operator> arg_type=<_cxx_export::_cxx_operator> define_id=<class> altdefid=<export_class>
[hh.make.union] make_type=<export_operator> return_type=<ret(NT_union_fixed _cxx_export::_cxx_operator)>
[hh.compare] return_type=<_cxx_export::_cxx_operator> arg_type=<_cxx_export::_cxx_operator> interface_name=<INTERFACE_NAME> define_id=<class> altdefid=<export_class>
[hh.clone] return_type=<ret(NT_interface _cxx_export::_cxx_delete)> arg_type=<in(NT_interface _cxx_export::_cxx_delete)> interface_name=<_cxx_export::_cxx_delete> define_id=<class> altdefid=<export_class>
[hh.compare] return_type=<ret(NT_interface _cxx_export::_cxx_delete)> arg_type=<in(NT_interface _cxx_export::_cxx_delete)> interface_name=<_cxx_export::_cxx_delete> define_id=<class> altdefid=<export_class>
[hh.clone] return_type=<ret(NT_interface _cxx_export::_cxx_inline)> arg_type=<in(NT_interface _cxx_export::_cxx_inline)> interface_name=<_cxx_export::_cxx_inline> define_id=<class> altdefid=<export_class>
[hh.compare] return_type=<ret(NT_interface _cxx_export::_cxx_inline)> arg_type=<in(NT_interface _cxx_export::_cxx_inline)> interface_name=<_cxx_export::_cxx_inline> define_id=<class> altdefid=<export_class>

[hh.module.begin] module_name=<export_i>
[hh.class.begin] class_name=<export_delete_i>
[hh.class.members.begin] class_name=<export_delete_i>
[hh.class.constructor.begin] return_type=<> function_name=<export_delete_i> class_name=<export_delete_i>
[hh.class.member.end] class_name=<export_delete_i>
[hh.class.member.begin] return_type=<ret(long)> function_name=<_cxx_volatile> class_name=<export_delete_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<export_delete_i>
[hh.class.member.begin] return_type=<void> function_name=<_cxx_volatile> class_name=<export_delete_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<_cxx_volatile>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<export_delete_i>
[hh.class.member.begin] return_type=<ret(NT_struct _cxx_export._cxx_class)> function_name=<_cxx_new> class_name=<export_delete_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(long)> arg_name=<_cxx_this>
[cchh.arglist.separator]
[cchh.argument] arg_type=<out(NT_sequence _cxx_export._cxx_friend of out(NT_struct _cxx_export._cxx_class))> arg_name=<_cxx_catch>
[cchh.arglist.separator]
[cchh.argument] arg_type=<inout(NT_union _cxx_export._cxx_operator)> arg_name=<_cxx_goto>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<_cxx_exportPackage._cxx_register>
[hh.class.end] class_name=<export_delete_i>
[hh.class.begin] class_name=<export_inline_i>
[hh.class.inherits.begin] class_name=<export_inline_i>
[hh.class.inherits] class_name=<export_delete_i>
[hh.class.members.begin] class_name=<export_delete_i>
[hh.class.constructor.begin] return_type=<> function_name=<export_inline_i> class_name=<export_inline_i>
[hh.class.member.end] class_name=<export_inline_i>
[hh.class.member.begin] return_type=<void> function_name=<_cxx_try> class_name=<export_inline_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<export_inline_i>
[hh.class.end] class_name=<export_inline_i>
[hh.module.end] module_name=<export_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
